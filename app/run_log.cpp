#include "app/run_log.h"

#include <QMetaObject>
#include <QTextCursor>
#include <QThread>

namespace {

QString EntryText(const Text& message) {
    // Qt's editors break lines at "\n"; Windows-style breaks become the same.
    QString entry = QStringLiteral("\n*") + QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    entry.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return entry;
}

// Runs on the box's thread. Only the end of the document is touched, so the
// cost does not grow with the log.
void AppendEntry(QPlainTextEdit& box, const QString& entry) {
    QTextCursor cursor(box.document());
    cursor.movePosition(QTextCursor::End);

    QTextDocument* document = box.document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    cursor.insertText(entry);
    document->setUndoRedoEnabled(undo);

    box.setTextCursor(cursor);
    box.ensureCursorVisible();
}

}  // namespace

void LogLine(QPlainTextEdit& box, const Text& message) {
    const QString entry = EntryText(message);
    if (QThread::currentThread() == box.thread()) {
        AppendEntry(box, entry);
        return;
    }
    QMetaObject::invokeMethod(
        &box, [&box, &entry] { AppendEntry(box, entry); }, Qt::BlockingQueuedConnection);
}

std::function<void(const Text&)> LogLineTo(QPlainTextEdit& box) {
    return [&box](const Text& message) { LogLine(box, message); };
}
