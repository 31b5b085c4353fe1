#pragma once

#include <QObject>
#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

class QFormLayout;
class QLineEdit;
class QRadioButton;

namespace lorvex {

class LetterList;

// A vector of a geometric generator, typed as components or taken from the
// first entries of a matrix. Its rows go into the dialog's form: a row of two
// radio buttons, "componentes" and the matrix choice, with the letter list
// beside them, then one row per component. Only the chosen source shows.
class VectorSource : public QObject {
    Q_OBJECT
  public:
    struct Component {
        QString label;
        QString initial;
    };
    struct Ids {
        int firstRadio;  // the matrix choice is the next one
        int firstField;
        int list;
    };

    VectorSource(QFormLayout& form, const QString& title, const QString& matrixChoice, Ids ids,
                 std::int32_t letter, std::initializer_list<Component> components, int maxLength);

    // The chosen letter, or 0 when the components are typed.
    std::int32_t letter() const;
    // The text of component `index`, empty while a matrix is chosen.
    std::string component(std::size_t index) const;

  private:
    void showSource();

    QFormLayout& form_;
    QRadioButton* typed_;
    LetterList* list_;
    std::vector<QLineEdit*> fields_;
};

}  // namespace lorvex
