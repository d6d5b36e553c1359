// SPDX-License-Identifier: MIT
// The shell's side of recovery: every editor's unsaved edits kept in snapshots, and the question
// at start about the edits a run that ended left unsaved.
#include "core/document/form_values.h"
#include "ui/helpers/qt_text.h"
#include "ui/helpers/window_helpers.h"
#include "ui/shell/shell.h"
#include "ui/storage/recovery_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>

namespace keelwright {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("keelwright::Recover", text);
}

// "galleon.txt: class 12 "Galleon", last edited 7 Dec 2026 21:14"
QString describe(const AbandonedWork& work) {
    if (!work.snapshot)
        return tr("%1: unreadable; it cannot be restored").arg(QFileInfo(work.path).fileName());
    const Snapshot& s = *work.snapshot;
    const bool weapon = s.form == FileContent::Weapon;
    const QString where =
        s.path.empty() ? (weapon ? tr("a weapon not yet saved") : tr("a class not yet saved"))
                       : QFileInfo(qs(s.path)).fileName();
    const QString what =
        weapon ? tr("weapon \"%1\"").arg(qs(formName(s.form, s.values)))
               : tr("class %1 \"%2\"")
                     .arg(qs(formNumber(s.form, s.values)), qs(formName(s.form, s.values)));
    const QString when =
        QLocale().toString(QDateTime::fromMSecsSinceEpoch(s.lastEdit), QLocale::ShortFormat);
    return tr("%1: %2, last edited %3").arg(where, what, when);
}

} // namespace

void Shell::keepRecovery(RecoveryStore* store) {
    recovery_ = store;
    store->watch(&classEditor_->document());
    if (weaponEditor_)
        store->watch(&weaponEditor_->document());
    connect(store, &RecoveryStore::unwritable, this, [this](const QString& reason) {
        QMessageBox* box = openMessageBox(
            QMessageBox::Warning, tr("Recover"),
            tr("Unsaved edits cannot be kept for recovery after a crash.\n\n%1").arg(reason),
            QMessageBox::Ok, classEditor_.get(), QStringLiteral("RecoveryUnwritable"));
        box->setTextFormat(Qt::PlainText);
        box->show();
    });
}

void Shell::offerRecovery(const std::function<void(bool)>& then) {
    const QList<AbandonedWork> work =
        recovery_ ? recovery_->findAbandoned() : QList<AbandonedWork>();
    if (work.isEmpty()) {
        then(false);
        return;
    }
    QStringList lines;
    for (const AbandonedWork& item : work)
        lines << QStringLiteral("- ") + describe(item);
    QMessageBox* box = openMessageBox(
        QMessageBox::Question, tr("Recover"),
        tr("Keelwright ended before these edits were saved:\n\n%1\n\nRestore puts them back into "
           "their editors, unsaved; Discard throws them away; Not Now asks again next time.")
            .arg(lines.join(u'\n')),
        QMessageBox::NoButton, classEditor_.get(), QStringLiteral("RecoverQuestion"));
    box->setTextFormat(Qt::PlainText);
    QPushButton* restore = box->addButton(tr("&Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box->addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    QPushButton* notNow = box->addButton(tr("&Not Now"), QMessageBox::RejectRole);
    box->setDefaultButton(restore);
    box->setEscapeButton(notNow);
    connect(box, &QMessageBox::finished, this, [this, box, work, restore, discard, then] {
        QAbstractButton* answer = box->clickedButton();
        if (answer == restore) {
            for (const AbandonedWork& item : work) {
                if (!item.snapshot)
                    continue;
                if (item.snapshot->form == FileContent::Weapon)
                    openWeaponEditor();
                editor(item.snapshot->form)->document().restore(*item.snapshot);
            }
            QList<AbandonedWork> restored;
            for (const AbandonedWork& item : work) {
                if (item.snapshot)
                    restored << item;
            }
            recovery_->forget(restored);
            then(!restored.isEmpty());
            return;
        }
        if (answer == discard)
            recovery_->forget(work);
        else
            recovery_->release();
        then(false);
    });
    box->show();
}

} // namespace keelwright
