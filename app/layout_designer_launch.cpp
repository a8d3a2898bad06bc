#include "app/layout_designer_launch.h"

#include <QMessageBox>

#include "app/frm_formular_designer.h"
#include "output/layout/layout_file.h"
#include "output/report/report_data.h"

namespace orvosal {

void openLayoutDesigner(QWidget* parent, const std::filesystem::path& file, const std::string& title,
                        const std::vector<std::string>& names, const ReportData* sample) {
  auto read = readLayoutFile(file);
  if (const auto* fault = std::get_if<LayoutFault>(&read)) {
    QMessageBox::warning(parent, QString::fromStdString(title), QString::fromStdString(fault->message()));
    return;
  }
  auto* designer =
      new FrmFormularDesigner(file, std::get<Layout>(std::move(read)), title, names,
                              sample ? std::optional<ReportData>(*sample) : std::nullopt, parent);
  designer->setAttribute(Qt::WA_DeleteOnClose);
  designer->show();
}

}  // namespace orvosal
