// SPDX-License-Identifier: MIT
#include "ui/output/output_text.h"

namespace keelwright {

QString withCrLf(const QString& text) {
    QString crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool lineBreak =
            c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n' || c == u'\r';
        if (!lineBreak) {
            crlf += c;
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i; // an existing CR LF stays one line break
        crlf += QStringLiteral("\r\n");
    }
    return crlf;
}

} // namespace keelwright
