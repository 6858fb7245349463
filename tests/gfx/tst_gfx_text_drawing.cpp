// Drawing and measuring strings: the drawn glyphs sit where the measurement says, hotkey prefixes
// are taken out only when asked for, trimmed lines still draw inside their rectangle.
#include "gfx/gfx_font.h"
#include "gfx/gfx_graphics.h"
#include "gfx/gfx_solid_brush.h"
#include "gfx/gfx_string_format.h"

#include "tests/gfx/gfx_test_canvas.h"

#include <QImage>
#include <QtTest>

namespace {
// The box around the pixels that are not white; empty when there are none.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != 0xFFFFFFFFu) box |= QRect(x, y, 1, 1);
  return box;
}
}  // namespace

class GfxTextDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(font_.CreateFontFromDefault()); }

  void drawnTextLiesInsideItsMeasuredBounds_data() {
    QTest::addColumn<int>("align");
    QTest::addColumn<int>("lineAlign");
    for (int a = StringAlignmentNear; a <= StringAlignmentFar; ++a)
      for (int l = StringAlignmentNear; l <= StringAlignmentFar; ++l)
        QTest::addRow("align %d, line %d", a, l) << a << l;
  }
  void drawnTextLiesInsideItsMeasuredBounds() {
    QFETCH(int, align);
    QFETCH(int, lineAlign);
    GfxStringFormat format;
    format.CreateStringFormat();
    format.SetStringFormatAlign(align);
    format.SetStringFormatLineAlign(lineAlign);
    const GfxRectF layout{10, 5, 180, 50};
    QImage image = Canvas(200, 60);
    GfxGraphics g;
    QVERIFY(g.CreateFromHDC(&image));
    GfxRectF bounds;
    QVERIFY(g.MeasureString("Layout", font_, layout, &format, &bounds));
    GfxSolidBrush black;
    black.CreateSolidFill(0xFF000000);
    QVERIFY(g.DrawString("Layout", font_, layout, &format, black));
    g.DeleteGraphics();
    const QRect ink = InkBox(image);
    QVERIFY(!ink.isEmpty());
    // Two pixels of slack: coordinates name pixel centres and glyph edges are smoothed.
    const QRectF measured(bounds.X - 2, bounds.Y - 2, bounds.Width + 4, bounds.Height + 4);
    QVERIFY2(measured.contains(QRectF(ink)), qPrintable(QStringLiteral("ink %1,%2 %3x%4 outside measured %5,%6 %7x%8")
                                                            .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
                                                            .arg(bounds.X).arg(bounds.Y).arg(bounds.Width).arg(bounds.Height)));
  }

  void drawingTwiceGivesTheSamePixels() {
    GfxStringFormat format;
    format.CreateStringFormat();
    format.SetStringFormatAlign(StringAlignmentCenter);
    GfxSolidBrush black;
    black.CreateSolidFill(0xFF000000);
    QImage first = Canvas(120, 28), second = Canvas(120, 28);
    for (QImage* image : {&first, &second}) {
      GfxGraphics g;
      QVERIFY(g.CreateFromHDC(image));
      QVERIFY(g.DrawString("Play", font_, {0, 0, 120, 28}, &format, black));
    }
    QCOMPARE(first, second);
    QVERIFY(!InkBox(first).isEmpty());
  }

  void ampersandsShowWithoutHotkeyPrefix() {
    QImage image = Canvas(10, 10);
    GfxGraphics g;
    QVERIFY(g.CreateFromHDC(&image));
    GfxStringFormat plain, hidden;
    plain.CreateStringFormat();
    hidden.CreateStringFormat();
    QVERIFY(hidden.SetStringFormatHotkeyPrefix(HotkeyPrefixHide));
    GfxRectF withAmpersand, withoutAmpersand, prefixed;
    int fitted = 0;
    QVERIFY(g.MeasureString("&ab", font_, {0, 0, 0, 0}, &plain, &withAmpersand, &fitted));
    QCOMPARE(fitted, 3);
    QVERIFY(g.MeasureString("ab", font_, {0, 0, 0, 0}, &plain, &withoutAmpersand));
    QVERIFY(withAmpersand.Width > withoutAmpersand.Width);
    QVERIFY(g.MeasureString("&ab", font_, {0, 0, 0, 0}, &hidden, &prefixed, &fitted));
    QCOMPARE(fitted, 3);  // counted in the caller's text, the prefix included
    QCOMPARE(prefixed.Width, withoutAmpersand.Width);
  }

  void trimmedLineDrawsInsideItsRectangle() {
    GfxStringFormat format;
    format.CreateStringFormat(StringFormatFlagsNoWrap);
    QVERIFY(format.SetStringFormatTrimming(StringTrimmingEllipsisCharacter));
    QImage image = Canvas(120, 30);
    GfxGraphics g;
    QVERIFY(g.CreateFromHDC(&image));
    GfxSolidBrush black;
    black.CreateSolidFill(0xFF000000);
    int fitted = 0;
    GfxRectF bounds;
    const char* text = "A rather long caption that cannot fit";
    QVERIFY(g.MeasureString(text, font_, {5, 5, 60, 20}, &format, &bounds, &fitted));
    QVERIFY(fitted > 0 && fitted < int(std::strlen(text)));
    QVERIFY(g.DrawString(text, font_, {5, 5, 60, 20}, &format, black));
    g.DeleteGraphics();
    const QRect ink = InkBox(image);
    QVERIFY(!ink.isEmpty());
    QVERIFY(QRect(5, 5, 60, 20).contains(ink));
  }

 private:
  GfxFont font_;
};

QTEST_MAIN(GfxTextDrawingTest)
#include "tst_gfx_text_drawing.moc"
