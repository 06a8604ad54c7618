#include "tests/app/window_fixture.h"

#include "app/command_router.h"
#include "app/controls.h"
#include "render/words.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTimer>

#include <algorithm>

namespace {
// A language and a few of its words, written by hand: the window must show them.
struct Language {
    const char* code;
    const char* deal;
    const char* fileMenu;
    const char* aboutCaption;
};

const Language languages[] = {
    {"en", "Deal", "File", "About Quorvel"},
    {"de", "Geben", "Datei", "Über Quorvel"},
    {"fr", "Distribuer", "Fichier", "À propos de Quorvel"},
    {"es", "Repartir", "Archivo", "Acerca de Quorvel"},
    {"zh_CN", "发牌", "文件", "关于 Quorvel"},
    {"zh_TW", "發牌", "檔案", "關於 Quorvel"},
    {"ja", "ディール", "ファイル", "Quorvel について"},
    {"ko", "딜", "파일", "Quorvel 정보"},
    {"ru", "Раздать", "Файл", "О программе Quorvel"},
    {"pt_BR", "Distribuir", "Arquivo", "Sobre o Quorvel"},
    {"it", "Distribuisci", "File", "Informazioni su Quorvel"},
    {"pl", "Rozdaj", "Plik", "O programie Quorvel"},
    {"tr", "Dağıt", "Dosya", "Quorvel Hakkında"},
    {"ar", "توزيع", "ملف", "حول Quorvel"},
};

// The game window started in a language; English again afterwards.
class LanguageTest : public WindowTest, public ::testing::WithParamInterface<Language> {
  protected:
    void SetUp() override {
        ASSERT_EQ(useLanguage(QLocale(QString::fromLatin1(GetParam().code))), GetParam().code);
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        useLanguage(QLocale(QLocale::English));
    }
};

// Whether the widget's font, with what it falls back on, has a letter for each of `text`'s: no
// empty box for a Chinese, Japanese or Korean character.
bool hasEveryLetter(const QWidget& widget, const QString& text) {
    const QFontMetrics metrics(widget.font());
    for (const char32_t letter : text.toUcs4()) {
        if (letter >= U' ' && !metrics.inFontUcs4(letter)) {
            return false;
        }
    }
    return true;
}

// Whether `text` fits inside what the style leaves of `button` for its caption, with the style's
// margin to spare, and is drawn without an empty box.
bool fitsButton(const QPushButton& button, const QString& text) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = text;
    const QStyle& style = *button.style();
    const QRect room = style.subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    const QFontMetrics metrics(button.font());
    return metrics.horizontalAdvance(text) +
                   style.pixelMetric(QStyle::PM_ButtonMargin, &option, &button) <=
               room.width() &&
           metrics.height() <= room.height() && hasEveryLetter(button, text);
}
} // namespace

TEST_P(LanguageTest, EveryButtonShowsItsCaptionWhole) {
    EXPECT_EQ(window->button(IDC_DEAL).text(), QString::fromUtf8(GetParam().deal));
    EXPECT_EQ(window->menuBar()->actions().value(0)->text(),
              QString::fromUtf8(GetParam().fileMenu));
    for (const Control& control : controls) {
        const QPushButton& button = window->button(control.id);
        EXPECT_TRUE(fitsButton(button, button.text())) << button.text().toStdString();
    }
}

TEST_P(LanguageTest, TheAboutBoxShowsItsTextAndOkWhole) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        seen = true;
        EXPECT_EQ(box->windowTitle(), QString::fromUtf8(GetParam().aboutCaption));
        const QLabel* text = box->findChild<QLabel*>("aboutText");
        const QPushButton* ok = box->findChild<QPushButton*>();
        ASSERT_TRUE(text && ok);
        const QRect inside(QPoint(0, 0), text->size());
        EXPECT_TRUE(inside.contains(
            QFontMetrics(text->font())
                .boundingRect(inside, Qt::AlignHCenter | Qt::AlignTop, text->text())))
            << text->text().toStdString();
        EXPECT_TRUE(hasEveryLetter(*text, text->text()) &&
                    hasEveryLetter(*box, box->windowTitle()));
        EXPECT_TRUE(fitsButton(*ok, ok->text()));
        box->accept();
    });
    window->command(ID_HELP_ABOUT);
    EXPECT_TRUE(seen);
}

// Every language the program carries has its row above.
TEST(Languages, EveryLanguageHasItsWindowWordsWrittenByHand) {
    for (const QString& language : carriedLanguages()) {
        EXPECT_TRUE(
            std::any_of(std::begin(languages), std::end(languages),
                        [&](const Language& row) { return language == QLatin1String(row.code); }))
            << language.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::ValuesIn(languages),
                         [](const ::testing::TestParamInfo<Language>& info) {
                             return std::string(info.param.code);
                         });
