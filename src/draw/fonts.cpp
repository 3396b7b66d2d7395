#include "draw/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdlib>

// Resources of a static library are only linked in when something refers to them.
static void initialiseAssetResources() {
    Q_INIT_RESOURCE(assets);
}

namespace draw {
namespace {

struct Families {
    QString small;    // captions at 8 pixels and more
    QString smallest; // captions at 7 pixels and less
    QString sans;
    bool allRegistered = true;
};

// A font that cannot be registered leaves its family name to the system's font matching.
QString registerFont(Families& families, const char* resourcePath, const char* fallbackFamily) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(resourcePath));
    const QStringList registered = QFontDatabase::applicationFontFamilies(id);
    if (registered.isEmpty()) {
        families.allRegistered = false;
        return QString::fromLatin1(fallbackFamily);
    }
    return registered.first();
}

const Families& registeredFamilies() {
    static const Families families = [] {
        initialiseAssetResources();
        Families registered;
        // Drawn without smoothing, each caption size needs a face whose hinting draws the
        // look-alike letters distinctly at that size (see assets/fonts/README).
        registered.small = registerFont(registered, ":/fonts/Go-Regular.ttf", "Go");
        registered.smallest = registerFont(registered, ":/fonts/DejaVuSans.ttf", "DejaVu Sans");
        registered.sans =
            registerFont(registered, ":/fonts/LiberationSans-Regular.ttf", "Liberation Sans");
        registerFont(registered, ":/fonts/LiberationSans-Bold.ttf", "Liberation Sans");
        return registered;
    }();
    return families;
}

constexpr int kLargestOfTheSmallest = 7;

QFont makeFont(FontFace face, int pixelHeight, int weight) {
    const Families& families = registeredFamilies();
    QFont font(face == FontFace::Sans                 ? families.sans
               : pixelHeight <= kLargestOfTheSmallest ? families.smallest
                                                      : families.small);
    font.setPixelSize(std::max(pixelHeight, 1));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

// The fonts the screens use all the time, made once; anything else is made per call.
struct CommonFonts {
    std::array<QFont, 2> small; // heights 7, 8
    std::array<QFont, 6> sans;  // heights 9, 11, 13 x weights 400, 700
};

const CommonFonts& commonFonts() {
    static const CommonFonts fonts = [] {
        CommonFonts made;
        made.small = {makeFont(FontFace::Small, 7, 400), makeFont(FontFace::Small, 8, 400)};
        int index = 0;
        for (int height : {9, 11, 13})
            for (int weight : {400, 700})
                made.sans[index++] = makeFont(FontFace::Sans, height, weight);
        return made;
    }();
    return fonts;
}

} // namespace

void initialiseToolkit() {
    registeredFamilies();
}

bool toolkitFontsRegistered() {
    return registeredFamilies().allRegistered;
}

QString smallFontFamily(int height) {
    return std::abs(height) <= kLargestOfTheSmallest ? registeredFamilies().smallest
                                                     : registeredFamilies().small;
}
QString sansFontFamily() {
    return registeredFamilies().sans;
}

QFont toolkitFont(FontFace face, int height, int weight) {
    const int pixels = std::abs(height);
    const CommonFonts& common = commonFonts();
    if (face == FontFace::Small && weight == 400 && (pixels == 7 || pixels == 8))
        return common.small[pixels - 7];
    if (face == FontFace::Sans && (weight == 400 || weight == 700)) {
        const int row = pixels == 9 ? 0 : pixels == 11 ? 1 : pixels == 13 ? 2 : -1;
        if (row >= 0) return common.sans[row * 2 + (weight == 700 ? 1 : 0)];
    }
    return makeFont(face, pixels, weight);
}

} // namespace draw
