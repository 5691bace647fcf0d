#include "StartPageWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StartPageWidget::StartPageWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("startPage"));

    auto* title = new QLabel(tr("Drawing Host"), this);
    title->setObjectName(QStringLiteral("startPageTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.0);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* about = new QLabel(
        tr("A small drawing application that loads calculator modules and runs their "
           "commands, the way a CAD application does.\n\n"
           "Start a new drawing, or open the sample drawing: it has lines, an angle and a "
           "rectangle to measure with the calculator's measurement tools."),
        this);
    about->setObjectName(QStringLiteral("startPageText"));
    about->setTextFormat(Qt::PlainText);
    about->setWordWrap(true);

    auto* newButton = new QPushButton(tr("New Drawing"), this);
    newButton->setObjectName(QStringLiteral("newDrawingButton"));
    auto* sampleButton = new QPushButton(tr("Open Sample Drawing"), this);
    sampleButton->setObjectName(QStringLiteral("openSampleButton"));
    sampleButton->setDefault(true);
    for (QPushButton* button : {newButton, sampleButton})
        button->setMinimumHeight(34);

    auto* column = new QVBoxLayout;
    column->setSpacing(12);
    column->addWidget(title);
    column->addWidget(about);
    column->addSpacing(8);
    column->addWidget(newButton);
    column->addWidget(sampleButton);

    // A readable column in the middle, however wide the window. Stretches
    // rather than an alignment centre it, so that the wrapped text is asked
    // for its height at the column's width.
    auto* box = new QWidget(this);
    box->setLayout(column);
    box->setFixedWidth(460);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(box);
    row->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->addStretch(1);
    outer->addLayout(row);
    outer->addStretch(2);

    connect(newButton, &QPushButton::clicked, this,
            [this]
            {
                try
                {
                    emit newDrawingRequested();
                }
                catch (...)
                {
                }
            });
    connect(sampleButton, &QPushButton::clicked, this,
            [this]
            {
                try
                {
                    emit openSampleRequested();
                }
                catch (...)
                {
                }
            });
}
