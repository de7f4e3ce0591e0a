/*
 * The machine-dependent part of jni.h for Windows, which the JDKs of other systems do not carry:
 * exported functions, the stdcall convention, and a jint of 32 bits (Windows' long) beside a jlong
 * of 64, as Windows' own JDKs define them.
 */
#ifndef CW_JNI_MD_H
#define CW_JNI_MD_H

#define JNIEXPORT __declspec(dllexport)
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef long jint;
typedef __int64 jlong;
typedef signed char jbyte;

#endif
