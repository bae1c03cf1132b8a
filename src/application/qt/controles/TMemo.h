// TMemo: a multi-line text box, word-wrapped, centred, without scroll bars;
// the user may type into it.
#pragma once

#include <QPlainTextEdit>

class TMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TMemo(QWidget* parent = nullptr);
};
