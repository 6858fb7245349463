// Surface state of a graphics object: clearing, compositing, smoothing and pixel offset modes,
// including switching a mode back after it was changed.
#include "gfx/gfx_graphics.h"
#include "gfx/gfx_native_graphics.h"
#include "gfx/gfx_pen.h"
#include "gfx/gfx_solid_brush.h"
#include "gfx/gfx_status.h"

#include "tests/gfx/gfx_test_canvas.h"

#include <QImage>
#include <QSet>
#include <QtTest>

namespace {
bool Partial(const QImage& image, int x, int y) {
  const int gray = qGray(image.pixel(x, y));
  return gray > 10 && gray < 245;
}
}  // namespace

class GfxSurfaceStateTest : public QObject {
  Q_OBJECT

 private slots:
  void clearCoversWholeTargetUnderWorldTransform() {
    QImage image = Canvas(20, 20);
    GfxGraphics g;
    QVERIFY(g.CreateFromHDC(&image));
    QVERIFY(g.TranslateWorldTransform(10, 10));
    QVERIFY(g.ScaleWorldTransform(0.5f, 0.5f));
    QTransform before;
    QVERIFY(g.GetWorldTransform(&before));
    QVERIFY(g.GraphicsClear(0xFF0000FF));
    QCOMPARE(LastGfxStatus, int(GfxOk));
    QTransform after;
    QVERIFY(g.GetWorldTransform(&after));
    QCOMPARE(after, before);
    GfxSolidBrush black;
    black.CreateSolidFill(0xFF000000);
    QVERIFY(g.FillRectangle(black, 0, 0, 4, 4));  // still under the world transform: device 10..12
    g.DeleteGraphics();
    QCOMPARE(image.pixel(0, 0), 0xFF0000FFu);
    QCOMPARE(image.pixel(19, 19), 0xFF0000FFu);
    QCOMPARE(image.pixel(5, 5), 0xFF0000FFu);
    QVERIFY(Dark(image, 11, 11));
    QCOMPARE(image.pixel(14, 14), 0xFF0000FFu);
  }

  void clearReplacesPixelsAndKeepsCompositingMode_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("source over") << int(CompositingModeSourceOver);
    QTest::newRow("source copy") << int(CompositingModeSourceCopy);
  }
  void clearReplacesPixelsAndKeepsCompositingMode() {
    QFETCH(int, mode);
    QImage image = Canvas(8, 8);
    GfxGraphics g;
    QVERIFY(g.CreateFromHDC(&image));
    QVERIFY(g.SetCompositingMode(mode));
    QVERIFY(g.GraphicsClear(0x00000000));
    QCOMPARE(g.GetCompositingMode(), mode);
    QCOMPARE(image.pixel(3, 3), 0x00000000u);  // replaced, not blended over the white
    QVERIFY(g.GraphicsClear(0xFF0000FF));
    GfxSolidBrush red;
    red.CreateSolidFill(0x80FF0000);
    QVERIFY(g.FillRectangle(red, 0, 0, 8, 8));
    g.DeleteGraphics();
    const QRgb pixel = image.pixel(3, 3);
    if (mode == CompositingModeSourceCopy) {
      QCOMPARE(qAlpha(pixel), 0x80);
      QCOMPARE(qBlue(pixel), 0);
    } else {
      QCOMPARE(qAlpha(pixel), 0xFF);
      QVERIFY(qBlue(pixel) > 100 && qRed(pixel) > 100);
    }
  }

  void renderHintsFollowTheModes_data() {
    QTest::addColumn<int>("smoothing");
    QTest::addColumn<int>("interpolation");
    QTest::addColumn<int>("textHint");
    QTest::addColumn<bool>("antialiasing");
    QTest::addColumn<bool>("smoothPixmaps");
    QTest::addColumn<bool>("smoothText");
    QTest::newRow("all smooth") << int(SmoothingModeAntiAlias) << int(InterpolationModeBilinear)
                                << int(TextRenderingHintAntiAlias) << true << true << true;
    QTest::newRow("all sharp") << int(SmoothingModeNone) << int(InterpolationModeNearestNeighbor)
                               << int(TextRenderingHintSingleBitPerPixel) << false << false << false;
    QTest::newRow("high quality, grid-fitted bits") << int(SmoothingModeHighQuality) << int(InterpolationModeHighQualityBicubic)
                                                    << int(TextRenderingHintSingleBitPerPixelGridFit) << true << true << false;
    QTest::newRow("defaults") << int(SmoothingModeDefault) << int(InterpolationModeDefault)
                              << int(TextRenderingHintSystemDefault) << false << true << true;
  }
  void renderHintsFollowTheModes() {
    QFETCH(int, smoothing);
    QFETCH(int, interpolation);
    QFETCH(int, textHint);
    QFETCH(bool, antialiasing);
    QFETCH(bool, smoothPixmaps);
    QFETCH(bool, smoothText);
    QImage image = Canvas(4, 4);
    GfxGraphics g;
    QVERIFY(g.CreateFromHDC(&image));
    // From the opposite of each wanted value, so every hint has to be switched.
    QVERIFY(g.SetSmoothingMode(antialiasing ? SmoothingModeNone : SmoothingModeAntiAlias));
    QVERIFY(g.SetInterpolationMode(smoothPixmaps ? InterpolationModeNearestNeighbor : InterpolationModeBilinear));
    QVERIFY(g.SetTextRenderingHint(smoothText ? TextRenderingHintSingleBitPerPixel : TextRenderingHintAntiAlias));
    QVERIFY(g.SetSmoothingMode(smoothing));
    QVERIFY(g.SetInterpolationMode(interpolation));
    QVERIFY(g.SetTextRenderingHint(textHint));
    const QPainter::RenderHints hints = g.Native()->painter.renderHints();
    QCOMPARE(hints.testFlag(QPainter::Antialiasing), antialiasing);
    QCOMPARE(hints.testFlag(QPainter::SmoothPixmapTransform), smoothPixmaps);
    QCOMPARE(hints.testFlag(QPainter::TextAntialiasing), smoothText);
  }

  void smoothingCanBeSwitchedOffAgain() {
    auto diagonal = [](bool smoothFirst) {
      QImage image = Canvas(30, 30);
      GfxGraphics g;
      g.CreateFromHDC(&image);
      g.SetSmoothingMode(SmoothingModeAntiAlias);
      if (!smoothFirst) g.SetSmoothingMode(SmoothingModeNone);
      GfxPen pen;
      pen.CreatePen1(0xFF000000, 1);
      g.DrawLine(pen, 2, 3, 27, 20);
      g.DeleteGraphics();
      QSet<QRgb> colours;
      for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) colours.insert(image.pixel(x, y));
      return colours.size();
    };
    QVERIFY(diagonal(true) > 2);  // shades along the edges
    QCOMPARE(diagonal(false), 2);  // black on white only
  }

  void pixelOffsetModeSwitchesBack() {
    // With the half-pixel offset a whole-number rectangle covers whole pixels; without it the
    // coordinates name pixel centres, so its edges cut pixels in half.
    auto edgeIsPartial = [](bool halfFirst, bool backToDefault) {
      QImage image = Canvas(10, 10);
      GfxGraphics g;
      g.CreateFromHDC(&image);
      g.SetSmoothingMode(SmoothingModeAntiAlias);
      if (halfFirst) g.SetPixelOffsetMode(PixelOffsetModeHalf);
      if (backToDefault) g.SetPixelOffsetMode(PixelOffsetModeDefault);
      GfxSolidBrush black;
      black.CreateSolidFill(0xFF000000);
      g.FillRectangle(black, 2, 2, 4, 4);
      g.DeleteGraphics();
      return Partial(image, 2, 4) && Partial(image, 6, 4);
    };
    QVERIFY(edgeIsPartial(false, false));
    QVERIFY(!edgeIsPartial(true, false));
    QVERIFY(edgeIsPartial(true, true));
  }
};

QTEST_MAIN(GfxSurfaceStateTest)
#include "tst_gfx_surface_state.moc"
