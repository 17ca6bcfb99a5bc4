#include "ui/FormControls.h"

namespace velorin::ui {

namespace {

template <class Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromUtf8(name));
    return control;
}

// An edit box that asks the layout for room for a number of characters in
// its current font, so that it keeps fitting when the font changes.
class CharacterWideEdit : public QLineEdit {
public:
    CharacterWideEdit(const QString& text, int characters) : QLineEdit(text), characters_(characters) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override {
        // A Chinese character is the widest thing typed here; the margins
        // hold the frame and the cursor.
        const int textWidth = fontMetrics().horizontalAdvance(QString(characters_, QChar(0x4E2D)));
        return {textWidth + fontMetrics().averageCharWidth() + 12, QLineEdit::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    int characters_;
};

}  // namespace

QLabel* MakeLabel(const char* name, const QString& caption) {
    return Named(new QLabel(caption), name);
}

QLineEdit* MakeEdit(const char* name, const QString& text, int characters) {
    return Named(new CharacterWideEdit(text, characters), name);
}

QComboBox* MakeCombo(const char* name, const QStringList& items, const QString& current) {
    auto* combo = Named(new QComboBox, name);
    combo->addItems(items);
    combo->setCurrentText(current);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QCheckBox* MakeCheckBox(const char* name, const QString& caption, bool checked) {
    auto* box = Named(new QCheckBox(caption), name);
    box->setChecked(checked);
    return box;
}

QPushButton* MakeButton(const char* name, const QString& caption) {
    return Named(new QPushButton(caption), name);
}

}  // namespace velorin::ui
