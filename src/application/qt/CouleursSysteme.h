// The system colours of the window at the standard values of the original
// platform's default scheme.
#pragma once

#include <QColor>

namespace CouleursSysteme {
inline const QColor clBtnFace(236, 233, 216);
inline const QColor clBtnHighlight(255, 255, 255);
inline const QColor cl3DLight(241, 239, 226);
inline const QColor clBtnShadow(172, 168, 153);
inline const QColor cl3DDkShadow(113, 111, 100);
inline const QColor clWindow(255, 255, 255);
inline const QColor clWindowText(0, 0, 0);
inline const QColor clGrayText(172, 168, 153);
inline const QColor clHighlight(49, 106, 197);
inline const QColor clHighlightText(255, 255, 255);
inline const QColor clInfoBk(255, 255, 225);
inline const QColor clInfoText(0, 0, 0);
inline const QColor clGradientInactiveCaption(157, 185, 235);
}  // namespace CouleursSysteme
