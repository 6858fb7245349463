#include "platform/skinned_message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVariant>
#include <vector>

namespace {

BoxSkinner &Skinner()
{
    static BoxSkinner skinner;
    return skinner;
}

class BoxSkinHook;

QPointer<BoxSkinHook> &InstalledHook()
{
    static QPointer<BoxSkinHook> hook;
    return hook;
}

// Application-wide filter that waits for one message box to be shown.
class BoxSkinHook : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Show reaches a widget before its native window is mapped: skinning here means
        // the box never appears unskinned.
        if (event->type() == QEvent::Show) {
            auto *box = qobject_cast<QMessageBox *>(watched);
            if (box && !box->property("Hw_hProc").isValid()) {
                qApp->removeEventFilter(this);
                InstalledHook() = nullptr;
                deleteLater();
                if (Skinner())
                    Skinner()(*box);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

struct ButtonChoice {
    int code;
    const char *caption;
    QMessageBox::ButtonRole role;
};

// Button rows of the platform's box styles, in their order on the box.
std::vector<ButtonChoice> ButtonsOf(unsigned style)
{
    const ButtonChoice ok{BoxResult::Ok, "确定", QMessageBox::AcceptRole};
    const ButtonChoice cancel{BoxResult::Cancel, "取消", QMessageBox::RejectRole};
    switch (style & BoxStyle::ButtonsMask) {
    case BoxStyle::OkCancel:
        return {ok, cancel};
    case BoxStyle::AbortRetryIgnore:
        // No escape button: the platform's box of this style cannot be closed either.
        return {{BoxResult::Abort, "中止", QMessageBox::DestructiveRole},
                {BoxResult::Retry, "重试", QMessageBox::AcceptRole},
                {BoxResult::Ignore, "忽略", QMessageBox::ActionRole}};
    case BoxStyle::YesNoCancel:
        return {{BoxResult::Yes, "是", QMessageBox::YesRole},
                {BoxResult::No, "否", QMessageBox::NoRole}, cancel};
    case BoxStyle::YesNo:
        return {{BoxResult::Yes, "是", QMessageBox::YesRole},
                {BoxResult::No, "否", QMessageBox::NoRole}};
    case BoxStyle::RetryCancel:
        return {{BoxResult::Retry, "重试", QMessageBox::AcceptRole}, cancel};
    case BoxStyle::CancelTryContinue:
        return {cancel, {BoxResult::TryAgain, "重试", QMessageBox::AcceptRole},
                {BoxResult::Continue, "继续", QMessageBox::ActionRole}};
    default:
        return {ok};
    }
}

QMessageBox::Icon IconOf(unsigned style)
{
    switch (style & BoxStyle::IconMask) {
    case BoxStyle::IconStop: return QMessageBox::Critical;
    case BoxStyle::IconQuestion: return QMessageBox::Question;
    case BoxStyle::IconExclamation: return QMessageBox::Warning;
    case BoxStyle::IconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The button that closing the box presses: Cancel, else No, else a lone OK.
int EscapeIndex(const std::vector<ButtonChoice> &buttons)
{
    for (int code : {BoxResult::Cancel, BoxResult::No})
        for (size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i].code == code)
                return int(i);
    return buttons.size() == 1 ? 0 : -1;
}

}  // namespace

void SetBoxSkinner(BoxSkinner skinner)
{
    Skinner() = std::move(skinner);
}

void InstallBoxSkinHook()
{
    if (!qApp || InstalledHook())
        return;
    auto *hook = new BoxSkinHook(qApp);
    InstalledHook() = hook;
    qApp->installEventFilter(hook);
}

bool BoxSkinHookInstalled()
{
    return !InstalledHook().isNull();
}

int SkinnedMessageBox(QWidget *owner, const QString &text, unsigned style, const QString &caption)
{
    InstallBoxSkinHook();
    if (!owner)
        owner = QApplication::activeWindow();

    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(IconOf(style));
    if (style & BoxStyle::TopMost)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (owner)
        box.setWindowModality(Qt::WindowModal);

    const std::vector<ButtonChoice> choices = ButtonsOf(style);
    std::vector<QPushButton *> buttons;
    for (const ButtonChoice &choice : choices)
        buttons.push_back(box.addButton(QString::fromUtf8(choice.caption), choice.role));

    const size_t defaultIndex = (style & BoxStyle::DefaultButtonMask) >> 8;
    box.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0]);
    const int escape = EscapeIndex(choices);
    if (escape >= 0)
        box.setEscapeButton(buttons[size_t(escape)]);

    box.exec();

    QAbstractButton *clicked = box.clickedButton();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i] == clicked)
            return choices[i].code;
    return escape >= 0 ? choices[size_t(escape)].code : choices.front().code;
}
