/* Tessdec: translation of J57 (and related models') download files into
 * output records. Plain C interface; every export returns 0 or more on
 * success and a negative status on failure (-318 is the end of data). */
#ifndef TESSDEC_H
#define TESSDEC_H

#include <stdint.h>

#if defined(TESSDEC_BUILD)
#define TESSDEC_API __attribute__((visibility("default")))
#else
#define TESSDEC_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Sizes of the caller-owned blocks. */
#define TESSDEC_WORK_SIZE 9984
#define TESSDEC_RECORD_SIZE 6164
#define TESSDEC_COUNT_FIELDS 41
#define TESSDEC_HEADER_BLOCK_SIZE 498
#define TESSDEC_SERIAL_SIZE 81

/* Status codes. */
#define TESSDEC_OK 0
#define TESSDEC_ERR_OPEN (-302)
#define TESSDEC_ERR_EOF (-310)
#define TESSDEC_ERR_BODY_LENGTH (-312)
#define TESSDEC_ERR_PAST_BODY (-313)
#define TESSDEC_ERR_READ (-314)
#define TESSDEC_ERR_SEEK (-315)
#define TESSDEC_ERR_TH_END (-316)
#define TESSDEC_ERR_NOT_IN_FILE (-317)
#define TESSDEC_END_OF_DATA (-318)
#define TESSDEC_ERR_NO_BUFFER (-319)
#define TESSDEC_ERR_NO_MEMORY (-320)

/* FileHeaderBlock: six header lines of 42 bytes, three "@" lines of 82. */
#define TESSDEC_HDR_LINE_SLOT 42
#define TESSDEC_HDR_AT_OFFSET 252
#define TESSDEC_HDR_AT_SLOT 82

/* Kind 15, the summary record handed over with the end of data. */
#define TESSDEC_SUM_SITE 2
#define TESSDEC_SUM_START 4
#define TESSDEC_SUM_LATEST 12
#define TESSDEC_SUM_LOCATION 16
#define TESSDEC_SUM_MODEL 98
#define TESSDEC_SUM_FILE_NAME 100
#define TESSDEC_SUM_NOTE1 356
#define TESSDEC_SUM_NOTE2 438
#define TESSDEC_SUM_SETUP_START 520
#define TESSDEC_SUM_SERIAL 524
#define TESSDEC_SUM_SIZE 532

TESSDEC_API int32_t CV_GetBufferSize(void);
TESSDEC_API int32_t CV_GetRecordCount(const char* path, void* work, uint32_t* counts, void* record);
TESSDEC_API int32_t CV_ReadFileSN(const char* path, void* work, uint16_t* model, char* serial, float* version);
TESSDEC_API int32_t CV_ReadSiteNum(const char* path, void* work, int16_t* site);
TESSDEC_API int32_t CV_StartTranslate(const char* path, void* work);
TESSDEC_API void CV_StopTranslate(void);
TESSDEC_API int32_t CV_TranslateNextRec(void* record, void* work);
TESSDEC_API int32_t CV_TranVersion(void);
TESSDEC_API int32_t CV_TranVersionEx(void);
TESSDEC_API int32_t CV_ReadFileHeader(const char* path, void* work, void* block);
TESSDEC_API uint32_t TX_DateToSecs(const char* date, const char* time, uint16_t selector);
TESSDEC_API void TX_SecsToDate(const int32_t* secs, char* date, char* time, uint16_t selector);

#ifdef __cplusplus
}
#endif

#endif
