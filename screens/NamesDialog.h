#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <vector>

namespace zandoli {

// Player Names: a name for each colour, which the record keeps with the
// games played from now on and the results show in place of the colour.
// OK keeps them for this user; a name left empty leaves the colour.
class NamesDialog : public QDialog {
    Q_OBJECT

public:
    explicit NamesDialog(QWidget* parent);

    // The names as typed, one per colour from Blue.
    QStringList names() const;
    void accept() override;

private:
    std::vector<QLineEdit*> edits_;
};

}  // namespace zandoli
