#pragma once

class QScreen;
class QWidget;

namespace ui {

// Which screen a window belongs on when a second screen (a projector, usually) is attached.
enum class WindowPlace {
    Operator,   // the set-up menu, its dialogs, the start-up window: the operator's screen
    Audience,   // the boards and the question window: full-screen on the other screen
    OverBoard,  // a list the audience reads over a board: on the audience's screen, at its size
};

// Window placement over the attached screens. The operator's screen is the one the set-up
// menu is on (the primary screen until the menu exists); the audience's is another one
// when there is one, else the operator's own, where an audience window fills the free
// area beside the companion window (the Virtual Team Modules window of practice mode).
namespace screens {

// The window whose screen is the operator's.
void setOperatorWindow(QWidget* window);
QScreen* operatorScreen();
// The first screen that is not the operator's; the operator's when it is the only one.
QScreen* audienceScreen();

// Shows a window that stays in view beside the audience windows: on a single screen they
// leave it the column it stands in. It opens as a column at the right edge of the
// operator's screen, as wide as a 4:3 board of the screen's full height leaves free.
void showCompanion(QWidget* window);

// Sizes and moves a window for its place without showing it.
void place(QWidget* window, WindowPlace place);
// Moves a window of the set-up menu's (the options, the radio dialogs) into the middle of
// the operator's screen, over the menu, leaving the companion window's column free.
void centreOnOperatorScreen(QWidget* window);
// Places a message box or file dialog about to open: on the operator's screen when a
// second screen is attached (it would open over the board there), else where the platform
// puts it.
void placeDialog(QWidget* dialog);
enum class Activation { TakeKeyboard, LeaveKeyboard };
// Shows a window at its place and raises it; it takes the keyboard unless told to leave it
// where it is (a companion window above its board).
void show(QWidget* window, WindowPlace place, Activation activation = Activation::TakeKeyboard);

}  // namespace screens
}  // namespace ui
