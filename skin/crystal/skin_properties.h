#pragma once
// Dynamic-property keys under which skinned widgets keep their state, and the kinds.

namespace SkinProperty {
// The skin's event filter (a QObject *); its presence marks the widget as skinned.
inline constexpr char Procedure[] = "Nivra_ShuiJingProc";
inline constexpr char Type[] = "Nivra_ShuiJing_Type";
inline constexpr char ColorStyle[] = "Nivra_PBM_ColorStyle";
inline constexpr char DrawState[] = "Nivra_DrawState";
inline constexpr char IsFocused[] = "Nivra_ShuiJing_IsFoucs";
// Set by the application on progress bars: what text to show (int) and the content (QString).
inline constexpr char TextStyle[] = "Nivra_PBM_TxtStyle";
inline constexpr char TextContent[] = "Nivra_PBM_TxtContent";
}  // namespace SkinProperty

enum class SkinKind { None = 0, Progress = 1, Button = 2, Combo = 3, Tooltip = 4, ListView = 5 };

// Button draw states; Enabled draws exactly like Normal.
enum ButtonDrawState { DrawNormal = 0, DrawHot = 1, DrawPressed = 2, DrawEnabled = 3 };
