#pragma once
#include <cstdint>

// Integer values of the flat API's enumerations, used as the layer's arguments.
using GfxArgb = std::uint32_t;  // 0xAARRGGBB

enum GfxUnit : int { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3, UnitInch = 4, UnitDocument = 5, UnitMillimeter = 6 };
enum GfxFillMode : int { FillModeAlternate = 0, FillModeWinding = 1 };
enum GfxMatrixOrder : int { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };
enum GfxSmoothingMode : int { SmoothingModeInvalid = -1, SmoothingModeDefault = 0, SmoothingModeHighSpeed = 1, SmoothingModeHighQuality = 2, SmoothingModeNone = 3, SmoothingModeAntiAlias = 4, SmoothingModeAntiAlias8x8 = 5 };
enum GfxCompositingMode : int { CompositingModeSourceOver = 0, CompositingModeSourceCopy = 1 };
enum GfxCompositingQuality : int { CompositingQualityInvalid = -1, CompositingQualityDefault = 0, CompositingQualityHighSpeed = 1, CompositingQualityHighQuality = 2, CompositingQualityGammaCorrected = 3, CompositingQualityAssumeLinear = 4 };
enum GfxInterpolationMode : int { InterpolationModeInvalid = -1, InterpolationModeDefault = 0, InterpolationModeLowQuality = 1, InterpolationModeHighQuality = 2, InterpolationModeBilinear = 3, InterpolationModeBicubic = 4, InterpolationModeNearestNeighbor = 5, InterpolationModeHighQualityBilinear = 6, InterpolationModeHighQualityBicubic = 7 };
enum GfxPixelOffsetMode : int { PixelOffsetModeInvalid = -1, PixelOffsetModeDefault = 0, PixelOffsetModeHighSpeed = 1, PixelOffsetModeHighQuality = 2, PixelOffsetModeNone = 3, PixelOffsetModeHalf = 4 };
enum GfxTextRenderingHint : int { TextRenderingHintSystemDefault = 0, TextRenderingHintSingleBitPerPixelGridFit = 1, TextRenderingHintSingleBitPerPixel = 2, TextRenderingHintAntiAliasGridFit = 3, TextRenderingHintAntiAlias = 4, TextRenderingHintClearTypeGridFit = 5 };
enum GfxStringAlignment : int { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };
enum GfxStringTrimming : int { StringTrimmingNone = 0, StringTrimmingCharacter = 1, StringTrimmingWord = 2, StringTrimmingEllipsisCharacter = 3, StringTrimmingEllipsisWord = 4, StringTrimmingEllipsisPath = 5 };
enum GfxHotkeyPrefix : int { HotkeyPrefixNone = 0, HotkeyPrefixShow = 1, HotkeyPrefixHide = 2 };
enum GfxStringFormatFlags : int { StringFormatFlagsDirectionRightToLeft = 0x1, StringFormatFlagsDirectionVertical = 0x2, StringFormatFlagsNoFitBlackBox = 0x4, StringFormatFlagsDisplayFormatControl = 0x20, StringFormatFlagsNoFontFallback = 0x400, StringFormatFlagsMeasureTrailingSpaces = 0x800, StringFormatFlagsNoWrap = 0x1000, StringFormatFlagsLineLimit = 0x2000, StringFormatFlagsNoClip = 0x4000 };
enum GfxFontStyle : int { FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleBoldItalic = 3, FontStyleUnderline = 4, FontStyleStrikeout = 8 };
enum GfxWrapMode : int { WrapModeTile = 0, WrapModeTileFlipX = 1, WrapModeTileFlipY = 2, WrapModeTileFlipXY = 3, WrapModeClamp = 4 };
enum GfxLinearGradientMode : int { LinearGradientModeHorizontal = 0, LinearGradientModeVertical = 1, LinearGradientModeForwardDiagonal = 2, LinearGradientModeBackwardDiagonal = 3 };
enum GfxBrushType : int { BrushTypeSolidColor = 0, BrushTypeHatchFill = 1, BrushTypeTextureFill = 2, BrushTypePathGradient = 3, BrushTypeLinearGradient = 4 };
enum GfxPenAlignment : int { PenAlignmentCenter = 0, PenAlignmentInset = 1 };
enum GfxLineCap : int { LineCapFlat = 0, LineCapSquare = 1, LineCapRound = 2, LineCapTriangle = 3 };
enum GfxLineJoin : int { LineJoinMiter = 0, LineJoinBevel = 1, LineJoinRound = 2, LineJoinMiterClipped = 3 };
enum GfxDashStyle : int { DashStyleSolid = 0, DashStyleDash = 1, DashStyleDot = 2, DashStyleDashDot = 3, DashStyleDashDotDot = 4, DashStyleCustom = 5 };
enum GfxCombineMode : int { CombineModeReplace = 0, CombineModeIntersect = 1, CombineModeUnion = 2, CombineModeXor = 3, CombineModeExclude = 4, CombineModeComplement = 5 };
enum GfxImageType : int { ImageTypeUnknown = 0, ImageTypeBitmap = 1, ImageTypeMetafile = 2 };
enum GfxRotateFlipType : int { RotateNoneFlipNone = 0, Rotate90FlipNone = 1, Rotate180FlipNone = 2, Rotate270FlipNone = 3, RotateNoneFlipX = 4, Rotate90FlipX = 5, Rotate180FlipX = 6, Rotate270FlipX = 7 };

// Pixel format numbers.
constexpr int PixelFormat1bppIndexed = 0x30101;
constexpr int PixelFormat8bppIndexed = 0x30803;
constexpr int PixelFormat16bppRGB565 = 0x21005;
constexpr int PixelFormat24bppRGB = 0x21808;
constexpr int PixelFormat32bppRGB = 0x22009;
constexpr int PixelFormat32bppARGB = 0x26200A;
constexpr int PixelFormat32bppPARGB = 0xE200B;

// Image property tags.
constexpr int PropertyTagFrameDelay = 0x5100;
constexpr int PropertyTagLoopCount = 0x5101;
constexpr int PropertyTagTypeShort = 3;
constexpr int PropertyTagTypeLong = 4;

struct GfxPointF { float X = 0, Y = 0; };
struct GfxPoint { int X = 0, Y = 0; };
struct GfxRectF { float X = 0, Y = 0, Width = 0, Height = 0; };
struct GfxRect { int X = 0, Y = 0, Width = 0, Height = 0; };
struct GfxSizeF { float Width = 0, Height = 0; };
struct GfxCharacterRange { int First = 0, Length = 0; };
