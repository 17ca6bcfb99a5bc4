#include "ui/EvaluationPage.h"

#include <QHBoxLayout>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/FormControls.h"

namespace velorin::ui {

EvaluationPage::EvaluationPage(QWidget* parent) : QWidget(parent) {
    auto* inputs = new QHBoxLayout;
    inputs->addWidget(MakeLabel("标签7", "姓："));
    inputs->addWidget(surname_ = MakeEdit("编辑框_性2", {}, 2));
    inputs->addWidget(MakeLabel("标签9", "名"));
    inputs->addWidget(givenName_ = MakeEdit("编辑框_名2", {}, 3));
    inputs->addWidget(MakeLabel("标签8", "性别"));
    inputs->addWidget(MakeCombo("组合框_性别2", {"男", "女"}, "男"));
    inputs->addWidget(MakeLabel("标签29", "出生日期："));
    birthDate_.emplace(*inputs,
                       std::array<DateBoxNames, 5>{{{"编辑框2", "标签27"}, {"编辑框3", "标签26"}, {"编辑框5", "标签28"},
                                                    {"编辑框12", "标签6"}, {"编辑框13", "标签35"}}},
                       BirthDateTexts{});
    inputs->addStretch();
    inputs->addWidget(analyse_ = MakeButton("按钮_分析", "开始分析"));

    report_ = new QTextEdit;
    report_->setObjectName("超级编辑框1");
    report_->setReadOnly(true);

    auto* page = new QVBoxLayout(this);
    page->addLayout(inputs);
    page->addWidget(report_, 1);

    connect(analyse_, &QPushButton::clicked, this, &EvaluationPage::evaluationRequested);
}

std::string EvaluationPage::Surname() const {
    return surname_->text().toStdString();
}

std::string EvaluationPage::GivenName() const {
    return givenName_->text().toStdString();
}

BirthDateTexts EvaluationPage::BirthDate() const {
    return birthDate_->Texts();
}

void EvaluationPage::SetBirthDate(const BirthDateTexts& date) {
    birthDate_->SetTexts(date);
}

}  // namespace velorin::ui
