#include "field_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QToolTip>

#include "engine/number_entry.h"
#include "qt_colour.h"

namespace varnholt {

FieldEdit::FieldEdit(Field field, DesignSession& session, QWidget* parent)
    : QLineEdit(parent), field_(field), session_(session) {
    setObjectName(
        QString::fromLatin1(nameOf(field).data(), static_cast<int>(nameOf(field).size())));
    connect(this, &QLineEdit::textEdited, this, &FieldEdit::edited);
    sync();
}

QString FieldEdit::textWith(QChar typed) const {
    QString result = text();
    if (hasSelectedText())
        result.replace(selectionStart(), selectedText().size(), typed);
    else
        result.insert(cursorPosition(), typed);
    return result;
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Control keys (arrows, clipboard shortcuts, backspace) are not characters: their edits are
    // judged as a whole once they are made.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!isNumericField(field_) || typed.size() != 1 || !typed.at(0).isPrint() || shortcut ||
        isReadOnly())
        return QLineEdit::keyPressEvent(event);

    const QChar c = typed.at(0);
    const char key = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f';
    const QChar entered = QLatin1Char(enteredKey(field_, key));
    if (!session_.design().allowKey(field_, textWith(entered).toStdString(), key)) {
        event->accept();
        refused();
        return;
    }
    typedKey_ = true;
    if (entered != c) {
        QKeyEvent capital(event->type(), event->key(), event->modifiers(), QString(entered),
                          event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&capital);
    } else {
        QLineEdit::keyPressEvent(event);
    }
    typedKey_ = false;
}

void FieldEdit::edited(const QString& text) {
    const std::string utf8 = text.toStdString();
    if (typedKey_) {
        session_.act([&] { session_.design().typeText(field_, utf8); });
        return;
    }
    bool taken = true;
    session_.act([&] { taken = session_.design().editText(field_, utf8); });
    if (!taken) refused();
}

// Visible, as a refused key must be: the beep, and the hint on the status bar (beside the
// field too when the field is on a dialog, away from the status bar).
void FieldEdit::refused() {
    QApplication::beep();
    session_.refreshViews();
    sync();
    if (!qobject_cast<QMainWindow*>(window()))
        QToolTip::showText(mapToGlobal(QPoint(0, height())),
                           QString::fromStdString(session_.record().status.tips), this);
}

void FieldEdit::sync() {
    const QString text = QString::fromStdString(session_.record().text(field_));
    if (this->text() != text) {
        const int cursor = cursorPosition();
        const bool grew = text.startsWith(this->text());
        setText(text);
        if (!grew) setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
    }
    const FieldStyle& style = session_.record().style(field_);
    if (styled_) {
        applyStyle(this, style);
    } else if (isMainWindowField(field_)) {
        // An input keeps the look of the desktop unless the design marks its text as stale.
        if (style == kWarningStyle)
            applyStyle(this, style);
        else if (testAttribute(Qt::WA_SetPalette))
            setPalette(QPalette());
    }
}

}  // namespace varnholt
