#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Form1;
class PictureButton;
struct ControlDesign;

// The settings dialog: edits the title, the heading and the target date that
// the main window shows, saves them to the settings file, and puts a picture
// of the user's choice behind the main window. It fills its boxes from what
// the main window shows, never from the file, and reaches the main window
// again only through its labels, its picture and the file that the next tick
// reads. One instance exists at a time; it is made for each opening and
// discarded when it closes.
class Form2 : public QDialog {
    Q_OBJECT
public:
    // Shows the picture chooser and returns the full path of the chosen file,
    // or an empty text when the user cancels.
    using FileChooser = std::function<QString()>;

    // Builds the dialog from its definition and runs Form_Load.
    Form2();

    // The dialog while it is open, or null.
    static Form2* instance();
    // Creates the dialog, shows it application-modal and discards it once it
    // closes. Returns when it is closed.
    static void openModal();

    // Replaces the file dialog, for tests; an empty chooser restores it.
    static void setFileChooser(FileChooser chooser);

    void Form_Load();
    void Comok_Click();
    void Comimg_Click();

    // The controls, named as in the dialog's definition. CommonDialog1 has
    // no member: see runCommonDialog1().
    PictureButton* Comok = nullptr;
    QGroupBox* Framegjsz = nullptr;
    QPushButton* Comimg = nullptr;
    QLineEdit* Textr2 = nullptr;
    QLineEdit* Texty2 = nullptr;
    QLineEdit* Textn2 = nullptr;
    QLineEdit* Textr1 = nullptr;
    QLineEdit* Texty1 = nullptr;
    QLineEdit* Textn1 = nullptr;
    QLineEdit* Textnr2 = nullptr;
    QLineEdit* Textnr1 = nullptr;
    QLineEdit* Textbt = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    QWidget* createWidget(const ControlDesign& design, QWidget* container);
    void showError(const QString& text);
    // Shows CommonDialog1, the platform's open-file dialog, and returns the
    // full path chosen, or an empty text when cancelled.
    QString runCommonDialog1();

    // The main window this dialog edits; it outlives the dialog in the
    // program, but a test may do without one.
    QPointer<Form1> m_main;
    // Full path of the picture chosen last.
    QString wjm;
};
