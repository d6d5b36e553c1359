// SPDX-License-Identifier: MIT
#include "ui/shell/file_reading.h"

#include "ui/helpers/qt_text.h"
#include "ui/storage/text_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>
#include <variant>

namespace keelwright {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("keelwright::Open", text);
}

OpenedFile refused(const QString& path, const QString& reason) {
    OpenedFile file;
    file.path = path;
    file.reading.refusal = utf8(reason);
    return file;
}

QString kindName(FileContent content) {
    return content == FileContent::Weapon ? tr("a weapon") : tr("a ship class");
}

// The bytes of a file that may be opened, or why it may not.
std::variant<QByteArray, OpenedFile> readBytes(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return refused(path, tr("The file does not exist."));
    if (!info.isFile())
        return refused(path, tr("This is not a file."));
    if (info.size() > qint64(kMaxFleetFileBytes))
        return refused(path, tr("The file is larger than %1 MiB.").arg(kMaxFleetFileBytes >> 20));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(path, file.errorString());
    // One byte more than the limit: a file that grew since it was measured is still refused.
    QByteArray bytes = file.read(qint64(kMaxFleetFileBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(path, file.errorString());
    return bytes;
}

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace

QString OpenedFile::name() const {
    return QFileInfo(path).fileName();
}

OpenedFile readFile(const QString& path, const ShipClassRecord& currentClass) {
    auto read = readBytes(path);
    if (auto* refusal = std::get_if<OpenedFile>(&read))
        return std::move(*refusal);
    const QByteArray& bytes = std::get<QByteArray>(read);
    if (const FileRecords records = readRecords(view(bytes)); records.records.size() > 1) {
        OpenedFile many;
        many.path = path;
        many.manyRecords = true;
        return many;
    }
    OpenedFile file;
    file.path = path;
    file.reading = readCommandFile(view(bytes), currentClass);
    file.digest = fileDigest(bytes);
    return file;
}

OpenedFile readRecordOfFile(const QString& path, FileContent kind, const std::string& number,
                            std::size_t line, const ShipClassRecord& currentClass) {
    auto read = readBytes(path);
    if (auto* refusal = std::get_if<OpenedFile>(&read))
        return std::move(*refusal);
    const QByteArray& bytes = std::get<QByteArray>(read);
    auto record = readRecord(view(bytes), kind, number, line, currentClass);
    if (!record)
        return refused(
            path, tr("It no longer holds %1 \"%2\".")
                      .arg(kind == FileContent::Weapon ? tr("weapon") : tr("class"), qs(number)));
    OpenedFile file;
    file.path = path;
    file.reading = std::move(record->reading);
    file.digest = fileDigest(bytes);
    file.record = std::move(record->place);
    return file;
}

QString refusalText(const OpenedFile& file) {
    if (!file.reading.refusal)
        return {};
    return tr("%1 could not be opened.\n%2").arg(file.name(), qs(*file.reading.refusal));
}

QString findingsText(const OpenedFile& file) {
    const auto& findings = file.reading.findings;
    if (findings.empty())
        return {};
    QStringList lines{tr("%1 was opened as %2, with these findings:")
                          .arg(file.name(), kindName(file.reading.content))};
    const std::size_t shown = std::min(findings.size(), std::size_t(kFindingsShown));
    for (std::size_t i = 0; i < shown; ++i) {
        const Finding& f = findings[i];
        const QString what = qs(f.what) + u' ' + qs(f.why);
        lines << (f.line ? tr("line %1: %2").arg(f.line).arg(what) : what);
    }
    if (findings.size() > shown)
        lines << tr("and %1 more").arg(findings.size() - shown);
    return lines.join(u'\n');
}

QString supersededText(const OpenedFile& earlier, const OpenedFile& later) {
    return tr("%1 was not opened: %2, given after it, holds %3 too, and the last one counts.")
        .arg(earlier.name(), later.name(), kindName(later.reading.content));
}

} // namespace keelwright
