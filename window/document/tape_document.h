// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/tape.h"
#include "window/document/kept_tape.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace tallimax {

class TapeEditor;

// The tape as a document: the file it was last saved to or opened from, whether it changed
// since, the File menu's commands on it, and the copy kept between sessions. A tape never saved
// or opened is nobody's file, and closing it never asks to save it.
class TapeDocument : public QObject, public TapeListener
{
    Q_OBJECT

public:
    // `dialogParent` gives the window that dialogs open over, the tape's when it is open.
    TapeDocument(TapeEditor &editor, std::function<QWidget *()> dialogParent, QObject *parent);
    ~TapeDocument() override;

    // The File menu's commands, for the tape's menu bar: made with it, as most sessions never
    // open the tape.
    void createActions();
    QAction *newAction() const { return m_new; }
    QAction *openAction() const { return m_open; }
    QAction *saveAction() const { return m_save; }
    QAction *saveAsAction() const { return m_saveAs; }
    QAction *printAction() const { return m_print; }
    QAction *exportAction() const { return m_export; }
    QAction *keepAction() const { return m_keep; }

    // Opens the file as the tape, as Open does without asking for it; false, having said why,
    // when the file is not a tape or cannot be read.
    bool open(const QString &path);
    bool save();
    // Asks for a file to save to, or saves to this one.
    bool saveAs();
    bool saveAs(const QString &path) { return writeTo(path); }
    void newTape();
    // Asks to save changes made since the tape was saved or opened: false when the user cancels.
    bool mayClose();

    // Whether the user asked for the tape to be kept: a kept tape may wait to be restored.
    bool keepRequested() const { return m_kept.requested(); }
    // The kept tape, if any, comes onto the tape above a break.
    void restoreKept();

    // The window title: the file's name, marked while it has unsaved changes.
    QString title() const;
    bool isModified() const { return m_modified; }
    QString path() const { return m_path; }

    void linesReplaced(std::size_t first, std::size_t removed, std::size_t added) override;
    void oldestDropped(std::size_t count) override;

signals:
    // The title or the modified mark changed.
    void titleChanged();
    // A message for the tape's window to show for a moment; its text is said as well.
    void said(const QString &text);

private:
    bool writeTo(const QString &path);
    QString offeredPath(const QString &suffix) const;
    void setKeeping(bool keep);
    void showKeeping();
    void keptWritten(bool written);
    // Says the tape cannot be kept, and why; with no why, because another Tallimax keeps it.
    void sayNotKept(const QString &why);
    void setModified(bool modified);
    void refuse(const QString &text);
    void exportPdf();
    void print();
    QString displayName() const;
    // The header of a printed page: the file's name, or the tape's when it has none.
    QString printTitle() const;

    TapeEditor &m_editor;
    std::function<QWidget *()> m_dialogParent;
    KeptTape m_kept;
    QString m_path;
    bool m_modified = false;
    bool m_restored = false;
    bool m_keptWritten = true;
    QAction *m_new = nullptr;
    QAction *m_open = nullptr;
    QAction *m_save = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_print = nullptr;
    QAction *m_export = nullptr;
    QAction *m_keep = nullptr;
};

} // namespace tallimax
