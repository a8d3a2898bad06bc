#pragma once

#include <string>
#include <string_view>

namespace orvosal {

// The phonetic code of a name, stored in `SoundExName`/`SoundExVorname` and used by the duplicate
// search: the upper-cased first character, then one digit per further consonant (B F P V "1";
// C G J K Q S X Z "2"; D T "3"; L "4"; M N "5"; R "6"; "ß" "22"; anything else nothing), with
// runs of the same digit collapsed. The code keeps its natural length: "Meier" and "Mayr" give
// "M6", "Schmidt" gives "S253", "Strauß" gives "S362".
std::string SoundEx(std::string_view name);

}  // namespace orvosal
