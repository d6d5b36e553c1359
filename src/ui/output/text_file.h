// SPDX-License-Identifier: MIT
#pragma once
// Writing a saved output file: the whole file is replaced at once or not at all.

#include <QByteArray>
#include <QString>

#include <optional>

namespace keelwright {

// Every line break of a text area (paragraph and line separators, LF, CR, CR LF) as CR LF.
QString withCrLf(const QString& text);

// Nothing on success; otherwise the reason, in the system's words where it gives one.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace keelwright
