#pragma once
// Message boxes in the platform's style codes, skinned by the program's box skinner.

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

// Style bits, as the platform message box reads them.
namespace BoxStyle {
constexpr unsigned Ok = 0x00;
constexpr unsigned OkCancel = 0x01;
constexpr unsigned AbortRetryIgnore = 0x02;
constexpr unsigned YesNoCancel = 0x03;
constexpr unsigned YesNo = 0x04;
constexpr unsigned RetryCancel = 0x05;
constexpr unsigned CancelTryContinue = 0x06;
constexpr unsigned ButtonsMask = 0x0F;
constexpr unsigned IconStop = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconExclamation = 0x30;
constexpr unsigned IconInformation = 0x40;
constexpr unsigned IconMask = 0xF0;
constexpr unsigned DefaultButtonMask = 0xF00;  // 0x000 first, 0x100 second, ...
constexpr unsigned TopMost = 0x40000;
}  // namespace BoxStyle

// Results: the platform's button code minus one.
namespace BoxResult {
constexpr int Ok = 0;
constexpr int Cancel = 1;
constexpr int Abort = 2;
constexpr int Retry = 3;
constexpr int Ignore = 4;
constexpr int Yes = 5;
constexpr int No = 6;
constexpr int TryAgain = 9;
constexpr int Continue = 10;
}  // namespace BoxResult

using BoxSkinner = std::function<void(QMessageBox &box)>;

// The routine that skins a caught box; set once by the program. Without one, boxes are
// shown as they are.
void SetBoxSkinner(BoxSkinner skinner);

// Catches the first message box shown after this call (one that carries no "Hw_hProc"
// property yet) and hands it to the skinner just before it appears; then removes itself.
// Installing while a hook waits changes nothing.
void InstallBoxSkinHook();
bool BoxSkinHookInstalled();

// Shows a modal message box owned by owner (the active window when null) and returns the
// pressed button's code minus one. Closing the box answers as its escape button would:
// Cancel or No where there is one, else OK.
int SkinnedMessageBox(QWidget *owner, const QString &text, unsigned style, const QString &caption);
