#pragma once

#include <array>
#include <string_view>

namespace stats {

// The UBA section codes a Belgian station may send: ninety of three letters, then "RK" and "SE".
inline constexpr std::array<std::string_view, 92> SectionTable = {
    "AAA", "ACC", "ALT", "ARC", "AST", "ATH", "ATO", "BDX", "BFA", "BLW", "BRC", "BSE",
    "BTS", "BXE", "CDZ", "CLR", "CPN", "CRD", "DNZ", "DRC", "DST", "EKO", "ERA", "ESM",
    "GBN", "GBX", "GDV", "GNT", "GRC", "GTM", "HAC", "HCC", "HOB", "HRT", "IPR", "KSD",
    "KTK", "LGE", "LIR", "LLV", "LUS", "LVN", "MCL", "MLB", "MNS", "MTT", "MWV", "NBT",
    "NLB", "NMR", "NNV", "NOK", "NOL", "ODE", "ONZ", "ORA", "OSA", "OSB", "OST", "RAC",
    "RAF", "RAM", "RAT", "RBO", "RCA", "RCB", "RCN", "REM", "RST", "RSX", "SBS", "SNW",
    "THN", "TLS", "TOR", "TRA", "TRC", "TRK", "TWS", "UBA", "VHF", "WLD", "WRA", "WRC",
    "WTN", "WTO", "XXX", "ZLB", "ZLZ", "ZTM", "RK",  "SE"};

// Exact comparison: the caller upper-cases and trims first.
inline bool isAcceptableSection(std::string_view text) {
    for (std::string_view code : SectionTable) {
        if (code == text) {
            return true;
        }
    }
    return false;
}

} // namespace stats
