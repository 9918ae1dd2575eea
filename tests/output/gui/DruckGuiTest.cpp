// Printing through the painter: the preview window and its buttons, and hvxcli print into a PDF.
#include "output/gui/Druckausgabe.h"
#include "output/gui/HvxPreviewView.h"

#include "app/gui/GuiTestSupport.h"
#include "document/HVXDoc.h"
#include "model/Modulauswahl.h"
#include "support/TestApp.h"

#include <QAbstractScrollArea>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace hvx;
using hvx::gui::CHvxPreviewView;

namespace {

class DruckGui : public ::testing::Test {
protected:
    DruckGui() { test::guiApp(); }
    test::TestApp m_app;
};

// A configuration as "Datei Neu" creates it, with the factory values.
bool neueKonfiguration(CHVXDoc& doc, quint8 kennung, std::initializer_list<quint8> typen)
{
    NeueKonfiguration wahl{kennung, {}};
    int slot = 0;
    for (const quint8 typ : typen) {
        wahl.module[slot] = ModulWahl{typ, anfangsReglertyp(typ, kennung >> 4)};
        ++slot;
    }
    return doc.OnNewDocument(wahl);
}

int pdfSeiten(const QByteArray& pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Screenshots for a person to look at, when HVX_SHOTS_DIR names a folder.
void zeige(QWidget& widget, const QString& name)
{
    const QString ordner = qEnvironmentVariable("HVX_SHOTS_DIR");
    if (!ordner.isEmpty())
        widget.grab().save(QDir(ordner).filePath(name));
}

} // namespace

TEST_F(DruckGui, PreviewPagesThroughTheDocumentWithTheLanguageTexts)
{
    CHVXDoc doc;
    ASSERT_TRUE(neueKonfiguration(doc, 0x13, {modultyp::kPH, modultyp::kRedox, modultyp::kChlor}));
    QPrinter printer;
    CHvxPreviewView preview(doc, printer);
    preview.resize(900, 1000);
    preview.show();
    EXPECT_EQ(preview.pageCount(), 4);
    EXPECT_EQ(preview.button(CHvxPreviewView::kIdPrint)->text(), QStringLiteral("&Drucken..."));
    EXPECT_EQ(preview.button(CHvxPreviewView::kIdNext)->text(), QStringLiteral("&Nächste"));
    EXPECT_EQ(preview.button(CHvxPreviewView::kIdOneTwoPages)->text(), QStringLiteral("Zwei Seiten"));
    EXPECT_FALSE(preview.button(CHvxPreviewView::kIdPrevious)->isEnabled());
    zeige(preview, QStringLiteral("preview-1.png"));

    for (int i = 0; i < 5; ++i)
        preview.next();
    EXPECT_EQ(preview.currentPage(), 4); // clamped to the last page
    EXPECT_FALSE(preview.button(CHvxPreviewView::kIdNext)->isEnabled());
    preview.previous();
    EXPECT_EQ(preview.currentPage(), 3);
    EXPECT_EQ(preview.pageText(), QStringLiteral("Seite 3"));

    preview.toggleTwoPages();
    EXPECT_EQ(preview.button(CHvxPreviewView::kIdOneTwoPages)->text(), QStringLiteral("Eine Seite"));
    EXPECT_TRUE(preview.pageText().startsWith(QStringLiteral("Seiten "))) << preview.pageText().toStdString();
    zeige(preview, QStringLiteral("preview-2pages.png"));
    preview.zoomIn();
    EXPECT_FALSE(preview.button(CHvxPreviewView::kIdOneTwoPages)->isEnabled()); // zoomed: one page
    EXPECT_TRUE(preview.button(CHvxPreviewView::kIdZoomOut)->isEnabled());
    preview.zoomOut();
    EXPECT_TRUE(preview.button(CHvxPreviewView::kIdOneTwoPages)->isEnabled());
}

// Over a page the cursor is the zoom cursor; each click on a page zooms one step in, and from the
// largest step back to the whole page. A click beside the pages does nothing.
TEST_F(DruckGui, ClicksOnAPageZoomUnderTheZoomCursor)
{
    CHVXDoc doc;
    ASSERT_TRUE(neueKonfiguration(doc, 0x13, {modultyp::kPH}));
    QPrinter printer;
    CHvxPreviewView preview(doc, printer);
    preview.resize(900, 1000);
    preview.show();
    QCoreApplication::processEvents();
    QWidget* flaeche = preview.pageArea();
    ASSERT_NE(flaeche, nullptr);
    const QPoint mitte = flaeche->rect().center();
    const QPoint rand(2, 2);
    const auto maus = [flaeche](QEvent::Type art, QPoint stelle) {
        QMouseEvent ereignis(art, stelle, flaeche->mapToGlobal(stelle), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                             art == QEvent::MouseButtonRelease || art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                             Qt::NoModifier);
        QCoreApplication::sendEvent(flaeche, &ereignis);
    };
    maus(QEvent::MouseMove, mitte);
    EXPECT_EQ(flaeche->cursor().shape(), Qt::BitmapCursor);
    maus(QEvent::MouseMove, rand);
    EXPECT_EQ(flaeche->cursor().shape(), Qt::ArrowCursor);
    maus(QEvent::MouseButtonPress, rand);
    maus(QEvent::MouseButtonRelease, rand);
    EXPECT_EQ(preview.zoomLevel(), 0);
    for (const int stufe : {1, 2, 3, 0}) {
        maus(QEvent::MouseButtonPress, mitte);
        maus(QEvent::MouseButtonRelease, mitte);
        QCoreApplication::processEvents();
        EXPECT_EQ(preview.zoomLevel(), stufe);
    }
}

// Page Down and Page Up turn the pages, Home and End go to the first and the last, wherever the
// focus is; in a zoomed page the view keeps the keys and scrolls.
TEST_F(DruckGui, PagingKeysTurnWholePagesAndScrollAZoomedOne)
{
    CHVXDoc doc;
    ASSERT_TRUE(neueKonfiguration(doc, 0x13, {modultyp::kPH, modultyp::kRedox, modultyp::kChlor}));
    QPrinter printer;
    CHvxPreviewView preview(doc, printer);
    preview.resize(900, 1000);
    preview.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(preview.pageCount(), 4);
    QWidget* ansicht = preview.pageArea()->parentWidget();
    const auto taste = [](QWidget* ziel, int key) {
        QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(ziel, &druck);
        QCoreApplication::processEvents();
    };
    const struct {
        int key;
        int seite;
    } schritte[] = {{Qt::Key_PageDown, 2}, {Qt::Key_PageDown, 3}, {Qt::Key_End, 4},     {Qt::Key_PageDown, 4},
                    {Qt::Key_PageUp, 3},   {Qt::Key_Home, 1},     {Qt::Key_PageUp, 1}};
    for (QWidget* ziel : {static_cast<QWidget*>(&preview), ansicht}) {
        preview.button(CHvxPreviewView::kIdZoomIn)->setFocus();
        for (const auto& schritt : schritte) {
            taste(ziel, schritt.key);
            EXPECT_EQ(preview.currentPage(), schritt.seite) << "key " << std::hex << schritt.key;
            EXPECT_EQ(preview.pageText(), QStringLiteral("Seite %1").arg(schritt.seite));
            EXPECT_EQ(preview.button(CHvxPreviewView::kIdPrevious)->isEnabled(), schritt.seite > 1);
        }
    }
    preview.zoomIn();
    preview.zoomIn();
    QCoreApplication::processEvents();
    auto* flaeche = qobject_cast<QAbstractScrollArea*>(ansicht);
    ASSERT_NE(flaeche, nullptr);
    QScrollBar* rollbalken = flaeche->verticalScrollBar();
    const int vorher = rollbalken->value();
    taste(ansicht, Qt::Key_PageDown);
    EXPECT_GT(rollbalken->value(), vorher) << "a zoomed page scrolls";
    EXPECT_EQ(preview.zoomLevel(), 2);
}

TEST_F(DruckGui, OnePageDisablesTheTwoPageButton)
{
    CHVXDoc doc;
    ASSERT_TRUE(neueKonfiguration(doc, 0x13, {modultyp::kPH, modultyp::kPH, modultyp::kPH}));
    doc.parametersatz().setMehrfachPH(mehrfachph::kDreifach);
    QPrinter printer;
    CHvxPreviewView zwei(doc, printer);
    EXPECT_EQ(zwei.pageCount(), 2); // triple pH: system page and module 1
    EXPECT_TRUE(zwei.button(CHvxPreviewView::kIdOneTwoPages)->isEnabled());

    Parametersatz leer;
    leer.setGeraetekennung(0x13);
    doc.parametersatz() = leer;
    CHvxPreviewView eine(doc, printer);
    EXPECT_EQ(eine.pageCount(), 1);
    EXPECT_FALSE(eine.button(CHvxPreviewView::kIdOneTwoPages)->isEnabled());
    EXPECT_FALSE(eine.button(CHvxPreviewView::kIdNext)->isEnabled());
}

TEST_F(DruckGui, PdfHoldsEveryPage)
{
    CHVXDoc doc;
    ASSERT_TRUE(neueKonfiguration(doc, 0x13, {modultyp::kPH, modultyp::kRedox, modultyp::kChlor}));
    const QString pfad = m_app.filePath(QStringLiteral("anlage.pdf"));
    QString fehler;
    ASSERT_TRUE(gui::druckePdf(doc, pfad, &fehler)) << fehler.toStdString();
    QFile pdf(pfad);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdfSeiten(pdf.readAll()), 4);
    EXPECT_FALSE(gui::druckePdf(doc, m_app.filePath(QStringLiteral("fehlt/anlage.pdf")), &fehler));
    EXPECT_FALSE(fehler.isEmpty());
}

TEST_F(DruckGui, StoredPrintFontIsUsedAgain)
{
    QFont schrift(QStringLiteral("DejaVu Serif"), 12);
    gui::speichereDruckschrift(schrift);
    EXPECT_EQ(gui::druckschrift().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(gui::druckschrift().pointSize(), 12);
    QFile ini(m_app.settingsPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Font=\"DejaVu Serif,12")); // readable text, not binary
}

TEST_F(DruckGui, HvxcliExportAndPrintATimerConfiguration)
{
    CHVXDoc doc;
    ASSERT_TRUE(neueKonfiguration(doc, 0x23, {modultyp::kPH, modultyp::kFreigabeOderTimer, modultyp::kRedox}));
    Parametersatz& ps = doc.parametersatz();
    for (const int k : {0, 1, 2, 4, 5, 6})
        ps.setModulByte(1, ps.timerEintragOffset(k) + timereintrag::kWochentage, 0x1F);
    const QString hxd = m_app.filePath(QStringLiteral("timer.hxd"));
    ASSERT_TRUE(doc.OnSaveDocument(hxd));

    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("HVX_SETTINGS"), m_app.settingsPath());
    QProcess cli;
    cli.setProcessEnvironment(umgebung);
    const QString pdf = m_app.filePath(QStringLiteral("timer.pdf"));
    cli.start(QStringLiteral(HVX_TEST_BIN_DIR "/hvxcli"), {QStringLiteral("print"), hxd, pdf});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdfSeiten(datei.readAll()), 5); // system, pH, timer, timer continued, redox
    const QString ordner = qEnvironmentVariable("HVX_SHOTS_DIR");
    if (!ordner.isEmpty())
        QFile::copy(pdf, QDir(ordner).filePath(QStringLiteral("timer.pdf")));
}
