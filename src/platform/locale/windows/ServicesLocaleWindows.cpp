// Each locale service is the Windows call of the same name, asked as the
// regional settings and the date recognition ask it.
#include "platform/locale/windows/ServicesLocaleWindows.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <tuple>

static_assert(Locale::UtilisateurParDefaut == LOCALE_USER_DEFAULT);
static_assert(Locale::SDate == LOCALE_SDATE);
static_assert(Locale::SShortDate == LOCALE_SSHORTDATE);
static_assert(Locale::S1159 == LOCALE_S1159);
static_assert(Locale::S2359 == LOCALE_S2359);
static_assert(Locale::IDefaultAnsiCodePage == LOCALE_IDEFAULTANSICODEPAGE);
static_assert(Locale::ICalendarType == LOCALE_ICALENDARTYPE);
static_assert(Locale::IOptionalCalendar == LOCALE_IOPTIONALCALENDAR);
static_assert(Locale::CalIYearOffsetRange == CAL_IYEAROFFSETRANGE);
static_assert(Locale::CalSEraString == CAL_SERASTRING);
static_assert(Locale::CalJapon == CAL_JAPAN);
static_assert(Locale::CalTaiwan == CAL_TAIWAN);
static_assert(Locale::CalCoree == CAL_KOREA);
static_assert(Locale::SmDbcsEnabled == SM_DBCSENABLED);
static_assert(Locale::NormIgnoreCase == NORM_IGNORECASE);
static_assert(Locale::CstrEqual == CSTR_EQUAL);
static_assert(Locale::PlateformeNT == VER_PLATFORM_WIN32_NT);
static_assert(Locale::LangueChinois == LANG_CHINESE);
static_assert(Locale::LangueAnglais == LANG_ENGLISH);
static_assert(Locale::LangueJaponais == LANG_JAPANESE);
static_assert(Locale::LangueCoreen == LANG_KOREAN);
static_assert(Locale::AnglaisEtatsUnis == MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
static_assert(sizeof(OSVERSIONINFOA) == 148);
static_assert(std::tuple_size_v<std::array<unsigned char, 12>> == MAX_LEADBYTES);

namespace {

// The enumeration's callback takes no context: the caller's function is
// reached through the thread's enumeration in progress.
thread_local const std::function<bool(const char*)>* rappelEnCours = nullptr;

BOOL CALLBACK RelaieValeur(LPSTR valeur) { return (*rappelEnCours)(valeur) ? TRUE : FALSE; }

std::optional<std::uint32_t> LitPlateforme() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return std::nullopt;
    return version.dwPlatformId;
}

}  // namespace

ServicesLocaleWindows::ServicesLocaleWindows() : plateforme_(LitPlateforme()) {}

std::uint32_t ServicesLocaleWindows::GetThreadLocale() { return ::GetThreadLocale(); }

void ServicesLocaleWindows::SetThreadLocale(std::uint32_t idLocale) { ::SetThreadLocale(idLocale); }

int ServicesLocaleWindows::GetLocaleInfoA(std::uint32_t idLocale, std::uint32_t item, char* place, int taille) {
    return ::GetLocaleInfoA(idLocale, item, place, taille);
}

bool ServicesLocaleWindows::EnumCalendarInfoA(const std::function<bool(const char*)>& rappel, std::uint32_t idLocale,
                                              std::uint32_t calendrier, std::uint32_t item) {
    const std::function<bool(const char*)>* precedent = rappelEnCours;
    rappelEnCours = &rappel;
    const BOOL reussi = ::EnumCalendarInfoA(RelaieValeur, idLocale, calendrier, item);
    rappelEnCours = precedent;
    return reussi != FALSE;
}

bool ServicesLocaleWindows::GetCPInfo(std::uint32_t pageDeCode, std::array<unsigned char, 12>& octetsDeTete) {
    CPINFO infos{};
    if (!::GetCPInfo(pageDeCode, &infos)) return false;
    std::copy(std::begin(infos.LeadByte), std::end(infos.LeadByte), octetsDeTete.begin());
    return true;
}

std::uint32_t ServicesLocaleWindows::GetACP() { return ::GetACP(); }

int ServicesLocaleWindows::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

std::optional<std::uint32_t> ServicesLocaleWindows::IdentifiantPlateforme() { return plateforme_; }

int ServicesLocaleWindows::LongueurCaractere(std::string_view reste) {
    // CharNextA reads a zero-ended text; a view may end anywhere.
    char debut[3] = {};
    reste.copy(debut, 2);
    return CharNextA(debut) - debut == 2 ? 2 : 1;
}

int ServicesLocaleWindows::CompareStringA(std::uint32_t idLocale, std::uint32_t options, std::string_view a,
                                          std::string_view b) {
    return ::CompareStringA(idLocale, options, a.data(), static_cast<int>(a.size()), b.data(),
                            static_cast<int>(b.size()));
}

std::uint16_t ServicesLocaleWindows::AnneeLocale() {
    SYSTEMTIME maintenant{};
    GetLocalTime(&maintenant);
    return maintenant.wYear;
}

// Built at the first call, which the first loading of the regional settings
// makes at start-up; never destroyed.
ServicesLocale& ServicesLocalePlateforme() {
    static ServicesLocaleWindows& services = *new ServicesLocaleWindows;
    return services;
}
