#pragma once

#include <QLineEdit>

#include "design_session.h"

namespace varnholt {

// An edit box bound to one field of the design: it shows the field's text and colours. A key
// goes through the field's key filter and then, as the user's own change of the text, through
// the design's change handling; a paste or any other edit must leave what the field takes.
// A refusal beeps and says what the field takes. Read-only fields (results) only show.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    FieldEdit(Field field, DesignSession& session, QWidget* parent = nullptr);

    Field field() const { return field_; }
    // Result fields show the design's colours for them (blue, or red on aqua past a limit).
    void setStyled(bool styled) {
        styled_ = styled;
        sync();
    }
    // Re-reads the field's text and style; the cursor stays where it was when the text did not
    // change under it.
    void sync();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void edited(const QString& text);
    // The text a typed character would leave: it replaces the selection or goes in at the
    // cursor.
    QString textWith(QChar typed) const;
    void refused();

    Field field_;
    DesignSession& session_;
    bool styled_ = false;
    bool typedKey_ = false;  // the edit under way is a key the filter let through
};

}  // namespace varnholt
