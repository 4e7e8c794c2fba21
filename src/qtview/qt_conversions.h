#pragma once
// Model colours, fonts and texts in Qt terms.
#include <QColor>
#include <QFont>
#include <QString>
#include <cstdlib>
#include <string>

#include "forms/control.h"

namespace tubalyx {

inline QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline TColor FromQColor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }
inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

// The model's font at the model's pixel height, so that Qt draws what the layout computed.
inline QFont ToQFont(const TFont& f, int pixelsPerInch = PixelsPerInch) {
    QFont font(Q(f.Name));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(std::max(1, (f.Size * pixelsPerInch + 36) / 72));
    font.setBold(f.Bold);
    font.setItalic(f.Italic);
    font.setUnderline(f.Underline);
    font.setStrikeOut(f.StrikeOut);
    return font;
}

}  // namespace tubalyx
