#pragma once
// A strip of four web links about the player; it closes as soon as it loses the focus.

#include <QWidget>
#include <memory>

namespace Ui {
class AboutWindow;
}

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
    ~AboutWindow() override;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::AboutWindow> m_ui;
    bool m_hadFocus = false;
};
