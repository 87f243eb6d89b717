#include "ui/uScore.h"

#include "export/pane_text.h"
#include "export/score_macro.h"
#include "export/user_file.h"
#include "ui/designed_layout.h"
#include "ui/pane_codec.h"
#include "ui/platform.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace cantiva::ui {
namespace {

QString FromAscii(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QComboBox* DropDownList(QWidget* parent, const char* name, int left, int top, int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false);
    box->setGeometry(left, top, width, 21);
    return box;
}

QLabel* Caption(QWidget* parent, const char* name, const char* text, int left, int top,
                QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    label->setBuddy(buddy);
    return label;
}

} // namespace

TScoreForm::TScoreForm(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint),
      platform_(platform) {
    setObjectName("ScoreForm");
    setWindowTitle("Export as Score macro");
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(233, 256);

    ComboBox1 = DropDownList(this, "ComboBox1", 134, 77, 83);
    for (std::string_view item : exporting::kScoreHyphenItems)
        ComboBox1->addItem(FromAscii(item));

    ComboBox2 = DropDownList(this, "ComboBox2", 89, 113, 128);
    for (std::string_view item : exporting::kScoreFontItems)
        ComboBox2->addItem(FromAscii(item));

    btGo = new QPushButton("Go!", this);
    btGo->setObjectName("btGo");
    btGo->setGeometry(9, 218, 75, 25);
    connect(btGo, &QPushButton::clicked, this, &TScoreForm::btGoClick);

    btCancel = new QPushButton("Cancel", this);
    btCancel->setObjectName("btCancel");
    btCancel->setGeometry(142, 218, 75, 25);
    connect(btCancel, &QPushButton::clicked, this, &TScoreForm::btCancelClick);

    RadioGroup2 = new QGroupBox(this);
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup2->setGeometry(5, 10, 212, 57);
    RadioGroup2Items = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(exporting::kScoreModeItems.size()); ++i) {
        auto* item = new QRadioButton(FromAscii(exporting::kScoreModeItems[i]), RadioGroup2);
        item->setObjectName(QStringLiteral("RadioGroup2Item%1").arg(i));
        item->setGeometry(8, 10 + 20 * i, 196, 17);
        RadioGroup2Items->addButton(item, i);
    }
    setRadioGroup2ItemIndex(static_cast<int>(exporting::ScoreMode::Output));

    ComboBox3 = DropDownList(this, "ComboBox3", 144, 150, 74);
    for (const std::string& item : exporting::ScoreStaffItems())
        ComboBox3->addItem(QString::fromStdString(item));

    Edit1 = new QLineEdit(FromAscii(exporting::kScoreDefaultVpos), this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(184, 186, 33, 21);

    Label1 = Caption(this, "Label1", "Hyph. character:", 8, 80, ComboBox1);
    Label2 = Caption(this, "Label2", "Font:", 8, 117, ComboBox2);
    Label3 = Caption(this, "Label3", "Text staff number:", 8, 154, ComboBox3);
    Label4 = Caption(this, "Label4", "Vertical position of text:", 8, 191, Edit1);

    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, btGo);
    setTabOrder(btGo, btCancel);
    setTabOrder(btCancel, RadioGroup2Items->button(0));
    setTabOrder(RadioGroup2Items->button(0), RadioGroup2Items->button(1));
    setTabOrder(RadioGroup2Items->button(1), ComboBox3);
    setTabOrder(ComboBox3, Edit1);
    WidenToFitTexts(*this);
}

void TScoreForm::setPaneTexts(const QString& inputPane, const QString& resultPane) {
    inputPane_ = inputPane;
    resultPane_ = resultPane;
}

int TScoreForm::RadioGroup2ItemIndex() const {
    return RadioGroup2Items->checkedId();
}

void TScoreForm::setRadioGroup2ItemIndex(int index) {
    if (QAbstractButton* item = RadioGroup2Items->button(index))
        item->setChecked(true);
}

void TScoreForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    btGo->setFocus();
}

void TScoreForm::btGoClick() {
    CreateScoreMacro();
}

void TScoreForm::btCancelClick() {
    reject();
}

void TScoreForm::CreateScoreMacro() {
    exporting::ScoreMacroOptions options;
    options.mode = RadioGroup2ItemIndex() == static_cast<int>(exporting::ScoreMode::Input)
                       ? exporting::ScoreMode::Input
                       : exporting::ScoreMode::Output;
    options.hyphen = ComboBox1->currentIndex();
    options.font = ComboBox2->currentIndex();
    options.staff = ComboBox3->currentIndex();
    options.vpos = PaneToCore(Edit1->text()).bytes;

    const text::Cp1251Text pane =
        PaneToCore(options.mode == exporting::ScoreMode::Input ? inputPane_ : resultPane_);
    if (exporting::IsBlankPane(pane.bytes)) {
        platform_.beep();
        return;
    }
    // Characters Windows-1251 cannot hold are written as "?": the macro is always Windows-1251.
    const std::string macro = exporting::BuildScoreMacro(pane.bytes, options);

    FileDialogRequest request;
    request.filter = "Text file (*.txt);;Any file (*)";
    request.defaultSuffix = "txt";
    request.initialFile = saveFileName_;
    request.confirmOverwrite = true;
    const QString fileName = platform_.saveFileName(this, request);
    if (!fileName.isEmpty()) {
        saveFileName_ = fileName;
        try {
            exporting::WriteUserFile(QFile::encodeName(fileName).toStdString(), macro);
        } catch (const IoError& e) {
            // The dialog stays open for another try.
            platform_.error(this, QString::fromStdString(IoErrorMessage(e.code())));
            return;
        }
    }
    accept();
}

} // namespace cantiva::ui
