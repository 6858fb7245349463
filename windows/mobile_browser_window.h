#pragma once
// The phone-sized browser docked beside the main window: two mobile video sites on two
// tabs; a followed "3gphd" link plays in the main window instead of navigating.

#include <QWidget>
#include <memory>

class FlashHost;
class ViewerPage;

namespace Ui {
class MobileBrowserWindow;
}

class MobileBrowserWindow : public QWidget {
    Q_OBJECT
public:
    explicit MobileBrowserWindow(FlashHost &host, QWidget *parent = nullptr);
    ~MobileBrowserWindow() override;

    ViewerPage &YoukuViewerPage() const { return *m_youkuPage; }
    ViewerPage &TudouViewerPage() const { return *m_tudouPage; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    ViewerPage *AttachPage(class QWebEngineView &viewer, const QString &startAddress);
    void PlaceViewersInTabArea();

    std::unique_ptr<Ui::MobileBrowserWindow> m_ui;
    FlashHost &m_host;
    ViewerPage *m_youkuPage = nullptr;
    ViewerPage *m_tudouPage = nullptr;
    bool m_viewersPlaced = false;
};
