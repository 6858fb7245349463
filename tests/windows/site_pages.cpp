#include "tests/windows/site_pages.h"

#include "tests/support/media_fixtures.h"

namespace {

QByteArray Page(const QString &title, const QString &body = {})
{
    return QStringLiteral("<!doctype html><html><head><title>%1</title></head>"
                          "<body style=\"margin:0;font:16px sans-serif\">%2</body></html>")
        .arg(title, body)
        .toUtf8();
}

QString Link(const QString &id, const QString &href, const QString &extra = {})
{
    return QStringLiteral("<p><a id=\"%1\" href=\"%2\" %3 style=\"display:inline-block;width:260px;"
                          "height:36px;background:#ddd\">%1</a></p>")
        .arg(id, href, extra);
}

}  // namespace

void ServeSitePages(TestHttpServer &pages, ParseServiceStandIn &service)
{
    const QString watch = pages.url("/watch/");
    pages.serveText("/logo.html", Page("logo"));
    pages.serveText("/site1.html", Page("site one"));
    pages.serveText("/site2.html", Page("site two"));
    pages.serveText("/videos.html",
                    Page("videos", Link("flv", watch + "flv.html") + Link("plain", watch + "plain.html")
                                       + Link("capitals", watch + "capitals.html")
                                       + Link("blank", watch + "blank.html", "target=\"_blank\"")));
    for (const char *name : {"flv", "plain", "capitals", "blank", "inner"})
        pages.serveText(QByteArray("/watch/") + name + ".html", Page(QString::fromLatin1(name)));
    pages.serveText("/framed.html",
                    Page("framed", QStringLiteral("<iframe src=\"%1\"></iframe>").arg(watch + "inner.html")));
    pages.serveFile(SitePages::MediaPath, MediaFixtures::Flv(), "video/x-flv");

    service.answer(watch + "flv.html", MediaAnswer("flv", pages.url(SitePages::MediaPath)));
    service.answer(watch + "plain.html", "<html>no video on this page</html>");
    service.answer(watch + "capitals.html",
                   QStringLiteral("{\"format\":\"flv\",\"url\":\"%1\"}").arg(pages.url("/media/CLIP.FLV")).toUtf8());
}
