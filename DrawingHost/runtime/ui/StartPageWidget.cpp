#include "StartPageWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
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
    title->setWordWrap(true);

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

    // A readable column in the middle, however wide the window, and
    // narrower with a narrow window rather than holding it wide. Stretches
    // rather than an alignment centre it, so that the wrapped text is asked
    // for its height at the column's width.
    auto* box = new QWidget;
    box->setLayout(column);
    box->setMaximumWidth(460);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(box);
    row->addStretch(1);

    // In a window too low for it the page scrolls instead of clipping.
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    outer->addStretch(1);
    outer->addLayout(row);
    outer->addStretch(2);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

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
