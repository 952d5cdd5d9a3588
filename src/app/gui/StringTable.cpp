#include "app/gui/StringTable.h"

#include <array>
#include <utility>

namespace quorvale {
namespace {

// "&" marks the access key of a menu caption. Entries 1000 to 1022 caption
// the File, Window and Help menus; 1023 to 1037 hold the texts of an about
// box that no window takes from here.
constexpr std::array<std::pair<int, const char*>, 38> kEntries{{
    {1000, "&File"},
    {1001, "&New"},
    {1002, "&Open..."},
    {1003, "&Close"},
    {1004, "&Save"},
    {1005, "Save &As..."},
    {1006, "Save A&ll"},
    {1007, "Propert&ies"},
    {1008, "Page Set&up..."},
    {1009, "Print Pre&view"},
    {1010, "&Print..."},
    {1011, "Sen&d..."},
    {1012, "E&xit"},
    {1013, "&Window"},
    {1014, "&New Window"},
    {1015, "&Cascade"},
    {1016, "Tile &Horizontal"},
    {1017, "Tile &Vertical"},
    {1018, "&Arrange Icons"},
    {1019, "&Help"},
    {1020, "&Contents"},
    {1021, "&Search For Help On..."},
    {1022, "&About "},
    {1023, "About"},
    {1024, "Version"},
    {1025, "Application Title"},
    {1026, "Application Description"},
    {1027, "Copyright"},
    {1028, "Author"},
    {1029, "Contact"},
    {1030, "Warning"},
    {1031, "App Description"},
    {1032, "&System Info..."},
    {1033, "OK"},
    {1034, "Cancel"},
    {1035, "System Information Is Unavailable At This Time"},
    {1036, "Program Information"},
    {1037, "Quorvale_2000"},
}};

}  // namespace

std::optional<QString> StringTable::text(int number) {
    for (const auto& [n, text] : kEntries) {
        if (n == number) {
            return QString::fromUtf8(text);
        }
    }
    return std::nullopt;
}

}  // namespace quorvale
