#include "TSoundeinstellungen.h"

#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "Lautstaerkefeld.h"

TSoundeinstellungen::TSoundeinstellungen(Zustand& z, Soundausgabe& ton, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Soundeinstellungen"));
    setWindowTitle(QStringLiteral("Sound-Einstellungen"));
    setModal(false);

    auto* spalte = new QVBoxLayout(this);
    zeilen_ = new Lautstaerkefeld(z, ton, Lautstaerkefeld::Form::Fenster, this);
    spalte->addWidget(zeilen_);

    auto* bestaetigen = new QPushButton(QStringLiteral("Bestätigen"), this);
    bestaetigen->setObjectName(QStringLiteral("SpeedButton1"));
    bestaetigen->setAccessibleName(bestaetigen->text());
    bestaetigen->setDefault(true);
    connect(bestaetigen, &QPushButton::clicked, this, &TSoundeinstellungen::SpeedButton1Click);
    spalte->addWidget(bestaetigen, 0, Qt::AlignHCenter);

    // The design's client area, or what the fonts need if that is more.
    resize(sizeHint().expandedTo(QSize(421, 182)));
    setFixedSize(size());
}

TSoundeinstellungen* TSoundeinstellungen::Zeigen(Zustand& z, Soundausgabe& ton, QWidget* fenster) {
    static QPointer<TSoundeinstellungen> einziges;
    if (!einziges) einziges = new TSoundeinstellungen(z, ton, fenster);
    if (fenster && !einziges->isVisible()) {
        // The window's frame is not known before it is first shown: take the main window's.
        const QRect aussen = fenster->frameGeometry();
        const QRect innen = fenster->geometry();
        const QMargins rand(innen.left() - aussen.left(), innen.top() - aussen.top(),
                            aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
        QRect rahmen = QRect(QPoint(), einziges->size()).marginsAdded(rand);
        rahmen.moveCenter(aussen.center());
        einziges->move(rahmen.topLeft());
    }
    einziges->show();
    einziges->raise();
    einziges->activateWindow();
    return einziges;
}

void TSoundeinstellungen::SpeedButton1Click() {
    hide();
}

void TSoundeinstellungen::showEvent(QShowEvent* event) {
    zeilen_->Werte_zeigen();
    QDialog::showEvent(event);
}
