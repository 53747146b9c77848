// The Cabrillo header step of a contest start: the remembered header is loaded, the default
// categories put in place, the operator confirms or edits it, and a confirmed header is saved.
#include "cabrillo/cabrillo_header.h"

#include "resources/dialog_template.h"

namespace stats {
namespace {

// The header field each control of the dialog carries, in template order.
struct FieldBinding {
    int controlId;
    std::string CabrilloLogData::*field;
};

constexpr FieldBinding kBindings[] = {
    {1009, &CabrilloLogData::contest},           {1010, &CabrilloLogData::callsign},
    {1008, &CabrilloLogData::claimed},           {1013, &CabrilloLogData::categoryOperator},
    {1024, &CabrilloLogData::location},          {1014, &CabrilloLogData::categoryBand},
    {1016, &CabrilloLogData::categoryAssisted},  {1020, &CabrilloLogData::categoryMode},
    {1023, &CabrilloLogData::categoryOverlay},   {1021, &CabrilloLogData::categoryPower},
    {1025, &CabrilloLogData::categoryStation},   {1022, &CabrilloLogData::categoryTransmitter},
    {1007, &CabrilloLogData::operatorName},      {1002, &CabrilloLogData::address},
    {1003, &CabrilloLogData::addressCity},       {1011, &CabrilloLogData::addressStateProvince},
    {1012, &CabrilloLogData::addressPostalCode}, {1015, &CabrilloLogData::addressCountry},
    {1006, &CabrilloLogData::operators},         {1005, &CabrilloLogData::club},
    {1001, &CabrilloLogData::soapbox},           {1004, &CabrilloLogData::email},
};

constexpr int kClaimedControl = 1008;

// The settings keys the header remembers, in the order they are saved.
struct SavedKey {
    std::string_view key;
    std::string CabrilloLogData::*field;
};

constexpr SavedKey kSavedKeys[] = {
    {"Operators", &CabrilloLogData::operators},
    {"Name", &CabrilloLogData::operatorName},
    {"Address", &CabrilloLogData::address},
    {"Address_City", &CabrilloLogData::addressCity},
    {"Address_St_Prov", &CabrilloLogData::addressStateProvince},
    {"Address_PostalCode", &CabrilloLogData::addressPostalCode},
    {"Address_Country", &CabrilloLogData::addressCountry},
    {"Category", &CabrilloLogData::categoryOperator},
    {"Category_Overlay", &CabrilloLogData::categoryOverlay},
    {"Contest", &CabrilloLogData::contest},
    {"Email", &CabrilloLogData::email},
    {"Club", &CabrilloLogData::club},
};

void loadRememberedHeader(Module& m) {
    CabrilloLogData& log = m.CabrilloLog;
    const SettingsFile& settings = m.Settings;
    log.operators = settings.readText("Operators", log.callsign);
    log.operatorName = settings.readText("Name");
    log.address = settings.readText("Address");
    log.addressCity = settings.readText("Address_City");
    log.addressStateProvince = settings.readText("Address_St_Prov");
    log.addressPostalCode = settings.readText("Address_PostalCode");
    log.addressCountry = settings.readText("Address_Country");
    log.claimed = settings.readText("Claimed");
    // The header's mode follows the mode stored last, so a contest in SSB after one in CW is not
    // written with CW reports.
    m.CwMode = settings.readText("Mode") == "CW" ? 1 : 0;

    log.contest = "UBA-SPRING";
    log.categoryOperator = "SINGLE-OP";
    log.categoryOverlay = "NONE";
    log.categoryMode = m.CwMode != 0 ? "CW" : "SSB";
    log.categoryBand = "80M";
    log.categoryPower = "HIGH";
    log.categoryTransmitter = "ONE";
    log.location = "DX";
    log.categoryStation = "FIXED";
    log.categoryAssisted = "NON-ASSISTED";

    log.email = settings.readText("Email");
    log.club = settings.readText("Club");
    log.soapbox = ReplaceAll(ReplaceAll(settings.readText("SoapBox"), "<CR>", "\r"), "<LF>", "\n");
}

} // namespace

std::string ReplaceAll(std::string_view source, std::string_view pattern,
                       std::string_view replacement) {
    if (pattern == replacement || pattern.empty()) {
        return std::string(source);
    }
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = source.find(pattern); at != std::string_view::npos;
         at = source.find(pattern, from)) {
        result.append(source.substr(from, at - from)).append(replacement);
        from = at + pattern.size();
    }
    result.append(source.substr(from));
    return result;
}

int EditHeader(Module& m, std::string_view callsign) {
    CabrilloLogData& log = m.CabrilloLog;
    log.callsign = callsign;
    log.fileBaseName = fileBaseNameFor(callsign);
    loadRememberedHeader(m);

    platform::DialogValues values;
    for (const FieldBinding& binding : kBindings) {
        values.push_back({binding.controlId, log.*binding.field});
    }
    if (!m.App.runDialog(resources::cabrilloHeaderDialog(), values)) {
        return 0;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (kBindings[i].controlId != kClaimedControl) {
            log.*kBindings[i].field = values[i].text;
        }
    }

    for (const SavedKey& saved : kSavedKeys) {
        m.Settings.writeText(saved.key, log.*saved.field);
    }
    // Stored on one line; in the file each typed line starts a "SOAPBOX: " line of its own.
    log.soapbox = ReplaceAll(ReplaceAll(log.soapbox, "\r", "<CR>"), "\n", "<LF>");
    m.Settings.writeText("SoapBox", log.soapbox);
    log.soapbox = ReplaceAll(ReplaceAll(log.soapbox, "<CR>", "\r\nSOAPBOX: "), "<LF>", "");
    log.qsoLines.clear();
    return 1;
}

} // namespace stats
