/* Processes of the stand-in platform: the system's running processes, read from
 * /proc. The desktop's file manager (the owner of the session bus name
 * org.freedesktop.FileManager1) is the process of type 'FNDR' and signature
 * 'MACS'; every other process is of type 'APPL' and signature '????'. */
#ifndef VIGIL_PLATFORM_EVENTS_PROCESSES_H
#define VIGIL_PLATFORM_EVENTS_PROCESSES_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A process serial number. {0, kNoProcess} means no process (the start of an
 * enumeration) and {0, kCurrentProcess} this process. A running process is
 * {0x80000000 | its start time in clock ticks since boot (low 31 bits), its
 * process ID}: the start time tells a process from a later one that was given
 * the same ID, so a serial number never names the wrong process. */
typedef struct ProcessSerialNumber {
  UInt32 highLongOfPSN;
  UInt32 lowLongOfPSN;
} ProcessSerialNumber;
typedef ProcessSerialNumber *ProcessSerialNumberPtr;

enum {
  kNoProcess = 0,
  kSystemProcess = 1,
  kCurrentProcess = 2
};

/* What GetProcessInformation fills. processInfoLength is set by the caller: 60
 * (the length of the platform's 32-bit record) or more. processName (a Str31)
 * and processAppSpec are filled when not null. The pointer-sized fields were 32
 * bits on the platform. Linux processes have no fixed partition: location,
 * size and free memory are 0. */
typedef struct ProcessInfoRec {
  UInt32 processInfoLength;
  StringPtr processName;
  ProcessSerialNumber processNumber;
  UInt32 processType;
  OSType processSignature;
  UInt32 processMode;
  Ptr processLocation;
  UInt32 processSize;
  UInt32 processFreeMem;
  ProcessSerialNumber processLauncher; /* the parent process, or {0, 0} */
  UInt32 processLaunchDate;            /* TickCount when it started */
  UInt32 processActiveTime;            /* processor time used, in ticks */
  FSSpecPtr processAppSpec;            /* its executable; zeroes when unreadable */
} ProcessInfoRec;
typedef ProcessInfoRec *ProcessInfoRecPtr;

/* Steps *PSN to the next running process in process ID order; procNotFound (and
 * {0, 0}) after the last, paramErr for a serial number that is none of the
 * forms above. */
OSErr GetNextProcess(ProcessSerialNumber *PSN);

/* Fills *info for a running process; procNotFound when it has ended, paramErr
 * for null arguments or a record length below 60. */
OSErr GetProcessInformation(const ProcessSerialNumber *PSN, ProcessInfoRec *info);

/* Brings a process to the front. Desktops let a program raise only its own
 * windows, and the file manager raises its own when it shows items, so this
 * answers noErr for a running process and procNotFound for one that ended. */
OSErr SetFrontProcess(const ProcessSerialNumber *PSN);

#ifdef __cplusplus
}
#endif

#endif
