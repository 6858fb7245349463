#pragma once
// The video-site browser: an address box with the site list, four navigation buttons and
// one viewer, whose followed links go through the web video hand-off.

#include <QWidget>
#include <memory>

class FlashHost;
class ViewerPage;
class WebVideoHandOff;

namespace Ui {
class SiteBrowserWindow;
}

class SiteBrowserWindow : public QWidget {
    Q_OBJECT
public:
    // host plays the videos found; mainWindow gets the focus when one plays.
    SiteBrowserWindow(FlashHost &host, QWidget *mainWindow, QWidget *parent = nullptr);
    ~SiteBrowserWindow() override;

    // SiteViewer address := AddressBox's current text.
    void GoToAddress();

    ViewerPage &SiteViewerPage() const { return *m_page; }
    WebVideoHandOff &HandOff() const { return *m_handOff; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void LayOut();
    void OpenNewWindowRequestHere();

    std::unique_ptr<Ui::SiteBrowserWindow> m_ui;
    ViewerPage *m_page = nullptr;
    WebVideoHandOff *m_handOff = nullptr;
};
