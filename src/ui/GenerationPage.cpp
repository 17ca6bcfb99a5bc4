#include "ui/GenerationPage.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/SharedState.h"
#include "text/IntegerText.h"
#include "ui/Desktop.h"
#include "ui/FormControls.h"
#include "ui/NameList.h"
#include "ui/SideBadge.h"

namespace velorin::ui {

namespace {

struct SideButton {
    const char* name;
    QString badge;
    QString label;
    QColor colour;
    QUrl address;
    bool opensOnPress;  // 超级按钮2 answers the press of the mouse button, not the click
};

// Top to bottom as they stand beside the candidate list.
const SideButton kSideButtons[] = {
    {"超级按钮1", "拼", "拼音字典", QColor(0x2f, 0x6f, 0xb0), QUrl("https://www.zdic.net/"), false},
    {"超级按钮4", "诗", "古典诗词", QColor(0x9e, 0x4b, 0x2f), QUrl("https://www.gushiwen.cn/"), false},
    {"超级按钮5", "戏", "儿童游戏", QColor(0xe0, 0x7b, 0x1a), QUrl("https://www.babybus.com/"), false},
    {"超级按钮3", "健", "儿童健康", QColor(0x2e, 0x8b, 0x57), QUrl("https://www.unicef.cn/"), false},
    {"超级按钮2", "歌", "儿歌童谣", QColor(0xb0, 0x3a, 0x8c), QUrl("https://tv.cctv.com/cctv14/"), true},
};

// The form's narrow, tall label reads from top to bottom, one character a line.
QString TopToBottom(const QString& caption) {
    QStringList lines;
    for (const QChar character : caption) lines << QString(character);
    return lines.join('\n');
}

int NumberIn(const QLineEdit* box) {
    return text::TextToInteger(box->text().toStdString());
}

int NumberIn(const QComboBox* box) {
    return text::TextToInteger(box->currentText().toStdString());
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

GenerationPage::GenerationPage(app::SharedState& state, Desktop& desktop, QWidget* parent)
    : QWidget(parent), state_(state), desktop_(desktop) {
    const QStringList oneToThree = {"1", "2", "3"};

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(MakeLabel("标签1", "姓："));
    nameRow->addWidget(surname_ = MakeEdit("编辑框_姓", "张", 2));
    nameRow->addWidget(MakeLabel("标签2", "性别"));
    nameRow->addWidget(sex_ = MakeCombo("组合框_性别", {"男", "女"}, "男"));
    nameRow->addSpacing(6);
    nameRow->addWidget(MakeLabel("标签3", "名："));
    nameRow->addWidget(givenLength_ = MakeCombo("组合框_个数", oneToThree, "2"));
    nameRow->addWidget(MakeLabel("标签3_字", "字"));
    nameRow->addSpacing(6);
    nameRow->addWidget(fixedTicked_ = MakeCheckBox("选择框1", {}, false));
    nameRow->addWidget(MakeLabel("标签4", "第："));
    nameRow->addWidget(fixedPosition_ = MakeCombo("组合框_第几个字", oneToThree, "1"));
    nameRow->addWidget(MakeLabel("标签4_辈分字", "个字,辈分字为："));
    nameRow->addWidget(fixedCharacter_ = MakeEdit("编辑框_固定字", {}, 2));
    nameRow->addWidget(MakeLabel("标签4_字", "字"));
    nameRow->addStretch();
    nameRow->addWidget(start_ = MakeButton("按钮1", "开  始"));
    nameRow->addWidget(stop_ = MakeButton("按钮2", "停  止"));
    stop_->setEnabled(false);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(MakeCombo("组合框1", {"出生日期", "预产期"}, "出生日期"));
    dateRow->addWidget(MakeLabel("标签5", "："));
    birthDate_.emplace(*dateRow,
                       std::array<DateBoxNames, 5>{{{"编辑框7", "标签30"}, {"编辑框8", "标签31"}, {"编辑框9", "标签32"},
                                                    {"编辑框11", "标签33"}, {"编辑框10", "标签34"}}},
                       BirthDateTexts{"2016", "5", "5", "5", "5"});
    dateRow->addWidget(MakeLabel("标签37", "（阳历）"));
    dateRow->addStretch();
    dateRow->addWidget(candidateTicked_ = MakeCheckBox("选择框_候选", "高于", true));
    dateRow->addWidget(threshold_ = MakeEdit("编辑框1", "75", 2));
    dateRow->addWidget(MakeLabel("标签_候选", "分加入到候选区"));

    results_ = new NameList("超级列表框1");
    candidates_ = new NameList("列表框1");
    progress_ = new QProgressBar;
    progress_->setObjectName("进度条_生成");
    progress_->setFormat("已生成名字：%v / %m");
    progress_->setRange(0, GenerationRequest{}.nameLimit);
    progress_->setValue(0);
    auto* candidateHint = MakeLabel("标签10", TopToBottom("候选名字列表 双击可查看详细解释："));
    candidateHint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* clear = MakeButton("按钮4", "清空候选名字");
    auto* copy = MakeButton("按钮5", "复制候选名字");
    auto* candidateButtons = new QHBoxLayout;
    candidateButtons->addWidget(clear);
    candidateButtons->addWidget(copy);

    auto* lists = new QGridLayout;
    lists->addWidget(results_, 0, 0, 2, 1);
    lists->addWidget(candidateHint, 0, 1);
    lists->addWidget(candidates_, 0, 2);
    lists->addWidget(BuildSideButtons(), 0, 3);
    lists->addLayout(candidateButtons, 1, 1, 1, 3, Qt::AlignLeft);
    lists->setColumnStretch(0, 5);
    lists->setColumnStretch(2, 2);

    auto* notes = new QGridLayout;
    auto addNote = [notes](const char* titleName, const QString& title, const char* textName, const QString& text) {
        const int row = notes->rowCount();
        notes->addWidget(MakeLabel(titleName, title), row, 0, Qt::AlignTop);
        auto* body = MakeLabel(textName, text);
        body->setWordWrap(true);
        notes->addWidget(body, row, 1);
    };
    addNote("标签23", "取名方法：", "标签24", "输入姓和出生日期》》生成高分名字》》双击高分名字看测评》》选择好名！");
    addNote("标签25", "特别申明：", "标签21", "取名软件结合周易易经五格等原理综合取名，名字仅供参考！");
    notes->setColumnStretch(1, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(nameRow);
    page->addLayout(dateRow);
    page->addLayout(lists, 1);
    page->addLayout(notes);

    connect(start_, &QPushButton::clicked, this, &GenerationPage::RunGeneration);
    connect(stop_, &QPushButton::clicked, this, &GenerationPage::Stop);
    connect(copy, &QPushButton::clicked, this, &GenerationPage::CopyCandidates);
    connect(clear, &QPushButton::clicked, candidates_, &NameList::Clear);
}

QWidget* GenerationPage::BuildSideButtons() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const SideButton& side : kSideButtons) {
        auto* button = new QToolButton;
        button->setObjectName(QString::fromUtf8(side.name));
        button->setIcon(QIcon(SideBadge(side.badge, side.label, side.colour)));
        button->setIconSize({kSideBadgeSize, kSideBadgeSize});
        button->setAutoRaise(true);
        button->setToolTip(side.label);
        auto open = [this, address = side.address] { desktop_.OpenWebPage(address); };
        if (side.opensOnPress)
            connect(button, &QToolButton::pressed, this, open);
        else
            connect(button, &QToolButton::clicked, this, open);
        layout->addWidget(button);
    }
    layout->addStretch();
    return column;
}

void GenerationPage::RunGeneration() {
    // Stop enables the start button before the run has ended: a click on it
    // handled among the events of the run's last name would start a run
    // inside the one that is ending.
    if (runDrawing_) return;
    const GenerationStart start = StartGeneration(ReadRequest());
    if (start.fixedCharacterUsed) state_.fixedCharacterUsed = true;
    if (start.clearResultList) results_->Clear();
    if (start.chartMoment && state_.chartRequested) state_.chartMoment = *start.chartMoment;
    if (start.message) {
        desktop_.ShowMessage(this, FromUtf8(start.message->text),
                             start.message->informationIcon ? MessageIcon::Information : MessageIcon::None);
        return;
    }
    // The disabled start button is the run's only running flag.
    start_->setEnabled(false);
    stop_->setEnabled(true);
    progress_->setRange(0, start.run.nameLimit);
    progress_->setValue(0);
    runDrawing_.emplace(std::initializer_list<QWidget*>{results_, candidates_, progress_});
    const GenerationOutcome outcome = GenerateNames(start.run, *this);
    progress_->setValue(outcome.namesMade);
    runDrawing_.reset();
    start_->setEnabled(true);
    stop_->setEnabled(false);
}

BirthDateTexts GenerationPage::BirthDate() const {
    return birthDate_->Texts();
}

GenerationRequest GenerationPage::ReadRequest() const {
    GenerationRequest request;
    request.surname = surname_->text().toStdString();
    request.sex = sex_->currentText().toStdString();
    request.fixedCharacterTicked = fixedTicked_->isChecked();
    request.fixedCharacter = fixedCharacter_->text().toStdString();
    const BirthDateTexts date = BirthDate();
    request.year = text::TextToInteger(date.year);
    request.month = text::TextToInteger(date.month);
    request.day = text::TextToInteger(date.day);
    request.hour = text::TextToInteger(date.hour);
    request.libraryDirectory = state_.libraryDirectory;
    return request;
}

NameSettings GenerationPage::CurrentSettings() {
    NameSettings settings;
    settings.givenCount = NumberIn(givenLength_);
    settings.fixedCharacterTicked = fixedTicked_->isChecked();
    settings.fixedPosition = NumberIn(fixedPosition_);
    const BirthDateTexts date = BirthDate();
    settings.year = text::TextToInteger(date.year);
    settings.month = text::TextToInteger(date.month);
    settings.day = text::TextToInteger(date.day);
    settings.candidatesTicked = candidateTicked_->isChecked();
    settings.threshold = NumberIn(threshold_);
    return settings;
}

void GenerationPage::ListName(const ListedName& name) {
    const QString caption = FromUtf8(NameCandidateText(name.fullName, name.score));
    const QString surname = FromUtf8(name.surname);
    const QString givenName = FromUtf8(name.givenName);
    results_->AddName(caption, surname, givenName);
    // The new row is the last; scrolling to the bottom also brings the list's
    // extent up to date first, which scrolling to the row would not.
    results_->scrollToBottom();
    if (name.candidate) candidates_->AddName(caption, surname, givenName);
}

// Stop enables the start button; the run ends when it finds it enabled.
bool GenerationPage::StopRequested() {
    return start_->isEnabled();
}

void GenerationPage::ProcessPendingEvents(int namesMade) {
    progress_->setValue(namesMade);
    runDrawing_->ProcessEvents();
}

void GenerationPage::Stop() {
    start_->setEnabled(true);
    stop_->setEnabled(false);
}

void GenerationPage::CopyCandidates() {
    if (candidates_->Count() == 0) return;
    QString names;
    for (const QString& caption : candidates_->Captions()) names += "\r\n" + caption;
    QGuiApplication::clipboard()->setText(names);
    desktop_.ShowMessage(this, "候选名字已经复制到剪辑板", MessageIcon::Information);
}

}  // namespace velorin::ui
