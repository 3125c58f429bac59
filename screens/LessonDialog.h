#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "engine/Lesson.h"

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zandoli {

// The teacher's lesson chooser, over the set-up screen: a built-in lesson
// picked, or the values and forms ticked, a name and a class code typed, or
// a lesson file opened. OK makes it this user's lesson; Save as File… writes
// it for the class's other computers. A choice no card is dealt from offers
// neither, and says why.
//
// A small modal dialog rather than a Screen: it lays itself out around its
// texts in any language, and Escape, Enter and the modality over the set-up
// come with QDialog, as for Player Names.
class LessonDialog : public QDialog {
    Q_OBJECT

public:
    explicit LessonDialog(QWidget* parent);

    // The built-in lessons, in the order the list shows them, named in the
    // player's language; the first is the standard lesson.
    static std::vector<Lesson> builtInLessons();

    // The lesson the boxes make now, with what they do not show (explain
    // and sound) kept from the lesson last shown.
    Lesson lesson() const;
    // Fills the boxes with `shown`.
    void showLesson(const Lesson& shown);
    void openPressed();
    void savePressed();
    void accept() override;

protected:
    // The lesson file to open, or to save to (`suggested` in the home
    // folder); empty when the teacher cancelled. Tests answer it.
    virtual QString chooseFile(bool save, const QString& suggested);

private:
    void buildLessons(QGridLayout* grid);
    void buildBoxes(QGridLayout* grid);
    void buildButtons(QGridLayout* grid);
    QCheckBox* addBox(QWidget* group, const QString& name, const QString& text);
    QPushButton* addButton(QHBoxLayout* row, const QString& name, const QString& text,
                           void (LessonDialog::*pressed)());
    void builtInChosen(int row);
    // Enables OK and Save when the boxes make a lesson a game is dealt from,
    // says why not when they do not, and marks the built-in lesson they make.
    void choiceChanged();
    // Shows and reads out what happened, or why OK and Save do not work.
    void tell(const QString& what);

    QListWidget* builtIns_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* code_ = nullptr;
    std::vector<QCheckBox*> values_;  // in the order of CARD_VALUES
    std::vector<QCheckBox*> forms_;   // in the order of CardKind
    QLabel* status_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* save_ = nullptr;
    std::optional<bool> explain_;
    std::optional<bool> sound_;
    // While showLesson() fills the boxes, their changes are one change.
    bool filling_ = false;
};

}  // namespace zandoli
