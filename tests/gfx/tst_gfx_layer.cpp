#include "gfx/gfx_bitmap.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_graphics.h"
#include "gfx/gfx_linear_brush.h"
#include "gfx/gfx_path.h"
#include "gfx/gfx_path_brush.h"
#include "gfx/gfx_pen.h"
#include "gfx/gfx_solid_brush.h"
#include "gfx/gfx_status.h"
#include "gfx/gfx_string_format.h"

#include <QBuffer>
#include "tests/gfx/gfx_test_canvas.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>


class GfxLayerTest : public QObject {
  Q_OBJECT

 private slots:
  void roundRectangleLeavesCornersEmpty() {
    QImage image = Canvas(100, 60);
    GfxGraphics g;
    QVERIFY(g.CreateFromHDC(&image));
    GfxPath path;
    path.CreatePath();
    QVERIFY(path.AddRoundRectangle(0, 0, 100, 60, 40));
    GfxSolidBrush black;
    black.CreateSolidFill(0xFF000000);
    QVERIFY(g.FillPath(black, path));
    g.DeleteGraphics();
    QVERIFY(!Dark(image, 1, 1));
    QVERIFY(!Dark(image, 98, 58));
    QVERIFY(Dark(image, 50, 30));
    QVERIFY(Dark(image, 50, 2));
  }

  void roundRectanglePercentIsClamped_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("same");
    QTest::newRow("0 as 1") << 0 << 1;
    QTest::newRow("250 as 100") << 250 << 100;
  }
  void roundRectanglePercentIsClamped() {
    QFETCH(int, percent);
    QFETCH(int, same);
    GfxPath a, b;
    a.CreatePath();
    b.CreatePath();
    a.AddRoundRectangle(10, 10, 80, 40, percent);
    b.AddRoundRectangle(10, 10, 80, 40, same);
    std::vector<GfxPointF> pa, pb;
    a.GetPathPoints(pa);
    b.GetPathPoints(pb);
    QCOMPARE(pa.size(), pb.size());
    for (std::size_t i = 0; i < pa.size(); ++i) {
      QCOMPARE(pa[i].X, pb[i].X);
      QCOMPARE(pa[i].Y, pb[i].Y);
    }
    if (same == 100) {  // the corner ellipses span the whole box: an ellipse
      GfxRectF bounds;
      a.GetPathWorldBounds(&bounds);
      QCOMPARE(bounds.Width, 80.0f);
      QVERIFY(std::abs(bounds.Height - 40.0f) < 0.01f);
    }
  }

  void arcFrom270Sweeping90IsInTopRight() {
    QImage image = Canvas(100, 100);
    GfxGraphics g;
    g.CreateFromHDC(&image);
    GfxPen pen;
    pen.CreatePen1(0xFF000000, 3);
    QVERIFY(g.DrawArc(pen, 10, 10, 80, 80, 270, 90));
    g.DeleteGraphics();
    QVERIFY(Dark(image, 78, 22));   // top-right quarter
    QVERIFY(!Dark(image, 22, 22));  // not top-left
    QVERIFY(!Dark(image, 78, 78));  // not bottom-right
    QVERIFY(Dark(image, 53, 10));   // starts at the top
    QVERIFY(Dark(image, 90, 47));   // ends at the right
  }

  void rotateAtPrependMatchesTranslateRotateTranslate() {
    GfxPath ellipse;
    ellipse.CreatePath();
    ellipse.AddPathEllipse(0, 0, 40, 20);
    GfxPathBrush brush;
    QVERIFY(brush.CreatePathGradientFromPath(ellipse));
    QVERIFY(brush.RotateAt(30, 15, 5, MatrixOrderPrepend));
    QTransform got;
    brush.GetPathGradientTransform(&got);
    QTransform expected;
    expected.translate(15, 5);
    expected.rotate(30);
    expected.translate(-15, -5);
    QVERIFY(qFuzzyCompare(got, expected));
    GfxGraphics unused;
    QVERIFY(!unused.RotateAt(30, 1, 1, MatrixOrderAppend));
    QCOMPARE(LastGfxStatus, int(GfxInvalidParameter));
  }

  void pathGradientEllipseRunsFromCentreToRim() {
    QImage image = Canvas(101, 101);
    GfxGraphics g;
    g.CreateFromHDC(&image);
    GfxPath path;
    path.CreatePath();
    path.AddPathEllipse(0, 0, 100, 100);
    GfxPathBrush brush;
    brush.CreatePathGradientFromPath(path);
    brush.SetPathGradientCenterColor(0xFFFF0000);
    GfxArgb blue = 0xFF0000FF;
    int count = 1;
    QVERIFY(brush.SetPathGradientSurroundColorsWithCount(&blue, &count));
    QVERIFY(g.FillPath(brush, path));
    g.DeleteGraphics();
    const QColor centre = image.pixelColor(50, 50), rim = image.pixelColor(50, 1);
    QVERIFY2(centre.red() > 240 && centre.blue() < 15, qPrintable(centre.name()));
    QVERIFY2(rim.blue() > 220 && rim.red() < 35, qPrintable(rim.name()));
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));  // nothing outside the ellipse
  }

  void presetBlendHasItsMiddleStop() {
    QImage image = Canvas(101, 10);
    GfxGraphics g;
    g.CreateFromHDC(&image);
    g.SetPixelOffsetMode(PixelOffsetModeHalf);
    GfxLinearBrush brush;
    QVERIFY(brush.CreateLineBrush({0, 0}, {101, 0}, 0xFF000000, 0xFFFFFFFF));
    const GfxArgb colours[3] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    const float positions[3] = {0, 0.5f, 1};
    QVERIFY(brush.SetLinePresetBlend(colours, positions, 3));
    const float bad[2] = {0.1f, 1};
    QVERIFY(!brush.SetLinePresetBlend(colours, bad, 2));
    QCOMPARE(LastGfxStatus, int(GfxInvalidParameter));
    g.FillRectangle(brush, 0, 0, 101, 10);
    g.DeleteGraphics();
    const QColor middle = image.pixelColor(50, 5);
    QVERIFY2(middle.green() > 240 && middle.red() < 15 && middle.blue() < 15, qPrintable(middle.name()));
  }

  void stringFormatCentres() {
    QImage image = Canvas(200, 60);
    GfxGraphics g;
    g.CreateFromHDC(&image);
    GfxFont font;
    QVERIFY(font.CreateFontFromDefault());
    GfxStringFormat format;
    format.CreateStringFormat();
    format.SetStringFormatAlign(StringAlignmentCenter);
    format.SetStringFormatLineAlign(StringAlignmentCenter);
    GfxRectF bounds;
    QVERIFY(g.MeasureString("Centre", font, {0, 0, 200, 60}, &format, &bounds));
    QVERIFY(std::abs((bounds.X + bounds.Width / 2) - 100) < 1.0f);
    QVERIFY(std::abs((bounds.Y + bounds.Height / 2) - 30) < 1.0f);
    GfxSolidBrush black;
    black.CreateSolidFill(0xFF000000);
    QVERIFY(g.DrawString("Centre", font, {0, 0, 200, 60}, &format, black));
    g.DeleteGraphics();
    int left = 200, right = -1;
    for (int x = 0; x < 200; ++x)
      for (int y = 0; y < 60; ++y)
        if (Dark(image, x, y)) left = std::min(left, x), right = std::max(right, x);
    QVERIFY(right > left);
    QVERIFY(std::abs((left + right) / 2.0 - 100) < 3);
  }

  void measureRotated_data() {
    QTest::addColumn<int>("angle");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::newRow("90") << 90 << 50.0f << 100.0f;
    QTest::newRow("0") << 0 << 100.0f << 50.0f;
  }
  void measureRotated() {
    QFETCH(int, angle);
    QFETCH(float, width);
    QFETCH(float, height);
    float w = 0, h = 0;
    GfxBitmap::MeasureRotated(100, 50, angle, &w, &h);
    QVERIFY(std::abs(w - width) < 0.01f);
    QVERIFY(std::abs(h - height) < 0.01f);
  }

  void savingWithUnknownFormatWritesNothing() {
    QTemporaryDir dir;
    GfxBitmap bitmap;
    QVERIFY(bitmap.CreateBitmapFromScan0(4, 4));
    const QString target = dir.filePath("out.img");
    QVERIFY(!bitmap.SaveImageToFile(target, "{00000000-0000-0000-0000-000000000000}"));
    QVERIFY(!QFile::exists(target));
    QVERIFY(!bitmap.SaveImageToFile(target, "{b96b3caf-0728-11d3-9d7b-0000f81ef32e}"));  // the text must match exactly
    QVERIFY(bitmap.SaveImageToFile(target));  // BMP by default
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
  }

  void imageFromBytesDrawsAfterCallerDropsThem() {
    GfxBitmap bitmap;
    {
      QImage red(8, 8, QImage::Format_ARGB32);
      red.fill(Qt::red);
      QByteArray bytes;
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      red.save(&buffer, "PNG");
      QVERIFY(bitmap.CreateBitmapFromBytes(bytes));
      bytes.fill('\0');
    }
    QCOMPARE(bitmap.GetImageWidth(), 8u);
    QImage image = Canvas(16, 16);
    GfxGraphics g;
    g.CreateFromHDC(&image);
    QVERIFY(g.DrawImageRectRect(bitmap, 0, 0, 16, 16));
    g.DeleteGraphics();
    QCOMPARE(image.pixelColor(8, 8), QColor(Qt::red));
  }

  void failedCallsReportTheirStatus() {
    GfxPath empty;
    QVERIFY(!empty.AddPathLine(0, 0, 1, 1));
    QCOMPARE(LastGfxStatus, int(GfxInvalidParameter));
    GfxFont font;
    QVERIFY(!font.CreateFont("No Such Family Anywhere", 12));
    QCOMPARE(LastGfxStatus, int(GfxFontFamilyNotFound));
    GfxBitmap bitmap;
    QVERIFY(!bitmap.LoadImageFromBytes("not an image"));
    QCOMPARE(LastGfxStatus, int(GfxUnknownImageFormat));
    QImage image = Canvas(10, 10);
    GfxGraphics g;
    g.CreateFromHDC(&image);
    std::vector<GfxRegion> regions;
    GfxStringFormat format;
    format.CreateStringFormat();
    QVERIFY(!g.MeasureCharacterRanges("abc", font, {0, 0, 10, 10}, format, 0, regions));
    QCOMPARE(LastGfxStatus, int(GfxInvalidParameter));
    QVERIFY(g.GraphicsClear(0xFF000000));
    QCOMPARE(LastGfxStatus, int(GfxOk));
  }

  void copiesShareTheirObject() {
    GfxPath* first = new GfxPath;
    first->CreatePath();
    GfxPath copy(*first);
    QCOMPARE(copy.GetNativeHandle(), first->GetNativeHandle());
    delete first;
    QVERIFY(copy.AddPathLine(0, 0, 5, 5));  // still alive for the copy
    QCOMPARE(copy.GetPointCount(), 2);
  }
};

QTEST_MAIN(GfxLayerTest)
#include "tst_gfx_layer.moc"
