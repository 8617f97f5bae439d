#pragma once

#include <QString>

namespace strumix {

// The program's name, as its message boxes, questions and caption show it.
inline constexpr char kProgramTitle[] = "Strumix 95 v1.0a";
inline QString program_title() { return QString::fromLatin1(kProgramTitle); }
// The release, as the command line, the About box and the package give it (from the build).
inline constexpr char kProgramVersion[] = STRUMIX_VERSION;
// The terms Strumix is distributed under, in one line (the whole text: LICENSE); shown
// translated with the context "Licence".
inline constexpr char kProgramLicence[] = QT_TRANSLATE_NOOP(
    "Licence",
    "Free software under the GNU General Public License, version 3 or any later version "
    "(GPL-3.0-or-later). There is no warranty.");
// The same in the few words the About box has room for.
inline constexpr char kProgramLicenceShort[] =
    QT_TRANSLATE_NOOP("Licence", "Free software, GPL-3.0-or-later");

// Help context numbers of the windows and menus: the topics of the help file.
inline constexpr int kHelpContents = 1;
inline constexpr int kHelpTitleWindow = 10;
inline constexpr int kHelpMainWindow = 20;
inline constexpr int kHelpFileMenu = 310;
inline constexpr int kHelpEditMenu = 320;
inline constexpr int kHelpInsertMenu = 330;
inline constexpr int kHelpViewMenu = 335;
inline constexpr int kHelpPlayMenu = 337;
inline constexpr int kHelpHelpMenu = 340;
inline constexpr int kHelpFileWindow = 360;
inline constexpr int kHelpLayoutDialog = 370;

// The dynamic property that carries a window's, control's or menu's help context number.
inline constexpr char kHelpContextProperty[] = "helpContext";

}  // namespace strumix
