#include "field_edit.h"

#include <QKeyEvent>

#include "engine/number_text.h"
#include "qt_colour.h"

namespace varnholt {

FieldEdit::FieldEdit(Field field, DesignSession& session, QWidget* parent)
    : QLineEdit(parent), field_(field), session_(session) {
    setObjectName(QString::fromLatin1(nameOf(field).data(), static_cast<int>(nameOf(field).size())));
    connect(this, &QLineEdit::textEdited, this, &FieldEdit::edited);
    sync();
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Control keys (arrows, clipboard shortcuts) are not characters and pass; a character
    // must get through the number entry rule.
    if (isNumericField(field_) && typed.size() == 1 && !isReadOnly()) {
        const QChar c = typed.at(0);
        const bool character = c == QChar('\b') || c.isPrint();
        if (character) {
            const char key = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f';
            if (!acceptsKey(session_.record().text(field_), key)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void FieldEdit::edited(const QString& text) {
    const std::string utf8 = text.toStdString();
    session_.act([&] { session_.design().write(field_, utf8); });
}

void FieldEdit::sync() {
    const QString text = QString::fromStdString(session_.record().text(field_));
    if (this->text() != text) {
        const int cursor = cursorPosition();
        const bool grew = text.startsWith(this->text());
        setText(text);
        if (!grew) setCursorPosition(std::min<int>(cursor, static_cast<int>(text.size())));
    }
    if (styled_) applyStyle(this, session_.record().style(field_));
}

}  // namespace varnholt
