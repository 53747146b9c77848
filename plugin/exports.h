#pragma once

#include "platform/date_time.h"
#include "stats_host.h"

#if defined(_WIN32)
#define STATS_API // exported by the module-definition file
#else
#define STATS_API __attribute__((visibility("default")))
#endif

// The exports under their plain names, with the host's argument lists. The caller removes the
// arguments (the platform's default calling convention).
extern "C" {
STATS_API int GetNumberOfSets();
STATS_API const char* GetSetName(int set);
STATS_API int GetExchgCount0(const char*, const char*, const char*);
STATS_API int IsValidExchg0(const char*, const char*, const char*, const char*, int, int, int);
STATS_API int ResetStats0(const char*, int, const char*, COleDateTime*, COleDateTime*, const char*,
                          const char*, const char*, const char*, const char*, const char*,
                          const char*, const char*, const char*, const char*, int, int, int, double,
                          double, const char*, const char*, const char*);
STATS_API int AddData0(const char*, const char*, COleDateTime*, COleDateTime*, COleDateTime*,
                       COleDateTime*, unsigned, unsigned, const char*, const char*, const char*,
                       const char*, const char*, const char*, const char*, const char*, const char*,
                       const char*, const char*, const char*, const char*, const char*, const char*,
                       int, int, int, double, double, const char*, const char*, const char*,
                       const char*, const char*);
STATS_API int RemoveData0(const char*, const char*, COleDateTime*, COleDateTime*, COleDateTime*,
                          COleDateTime*, unsigned, unsigned, const char*, const char*, const char*,
                          const char*, const char*, const char*, const char*, const char*,
                          const char*, const char*, const char*, const char*, const char*,
                          const char*, const char*, int, int, int, double, double, const char*,
                          const char*, const char*, const char*, const char*);
STATS_API int CheckCall0(const char*, unsigned, unsigned, const char*, const char*, const char*,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, const char*, int, int, int, double, double,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, char*, char*);
STATS_API const char* GetResult0(int*);
STATS_API void SetupSet0();
STATS_API void SetDialogHandler(StatsDialogHandler handler, void* context);
STATS_API void SetMessageHandler(StatsMessageHandler handler, void* context);
}
