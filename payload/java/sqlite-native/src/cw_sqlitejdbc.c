/*
 * The native side of the SQLite JDBC driver the server carries (xerial's org.sqlite, from
 * Debian's libxerial-sqlite-jdbc-java): the native methods of org.sqlite.core.NativeDB over
 * SQLite's C API, written for this project. On Linux the driver loads the system's library
 * instead; this one is built with MinGW for Windows (32- and 64-bit, with SQLite's amalgamation
 * from Debian's sqlite3 sources) and, for the tests, natively over the system's libsqlite3.
 *
 * The Java side's contract: the connection's sqlite3* lives in NativeDB.pointer; statements,
 * function contexts and values travel as longs; text comes in as UTF-8 byte arrays (no final
 * NUL) and goes out as direct byte buffers over SQLite's own memory, which the Java side copies
 * at once; a failure is thrown as the SQLException the DB class makes (DB.throwex). Callbacks
 * into Java (functions, collations, busy and progress handlers, commit and update listeners)
 * run on the thread of the call that made SQLite call them, so the JNIEnv is taken from the VM.
 */
#include <jni.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "sqlite3.h"

#define PTR(j) ((void *)(intptr_t)(j))
#define JLONG(p) ((jlong)(intptr_t)(p))

static JavaVM *vm;

static JNIEnv *env_now(void) {
    JNIEnv *env = NULL;
    if (vm == NULL || (*vm)->GetEnv(vm, (void **)&env, JNI_VERSION_1_6) != JNI_OK) {
        return NULL;
    }
    return env;
}

/* ---- the handle and the exceptions ---- */

static jfieldID field(JNIEnv *env, jobject obj, const char *name, const char *sig) {
    jclass c = (*env)->GetObjectClass(env, obj);
    jfieldID f = (*env)->GetFieldID(env, c, name, sig);
    (*env)->DeleteLocalRef(env, c);
    return f;
}

static jlong get_long(JNIEnv *env, jobject obj, const char *name) {
    jfieldID f = field(env, obj, name, "J");
    return f == NULL ? 0 : (*env)->GetLongField(env, obj, f);
}

static void set_long(JNIEnv *env, jobject obj, const char *name, jlong value) {
    jfieldID f = field(env, obj, name, "J");
    if (f != NULL) {
        (*env)->SetLongField(env, obj, f, value);
    }
}

static sqlite3 *handle(JNIEnv *env, jobject self) {
    return (sqlite3 *)PTR(get_long(env, self, "pointer"));
}

/* An SQLException with the message, as NativeDB.throwex(String) makes it. */
static void throw_message(JNIEnv *env, const char *message) {
    jclass c = (*env)->FindClass(env, "org/sqlite/core/NativeDB");
    jmethodID m = c == NULL ? NULL : (*env)->GetStaticMethodID(env, c, "throwex", "(Ljava/lang/String;)V");
    if (m != NULL) {
        jstring s = (*env)->NewStringUTF(env, message);
        (*env)->CallStaticVoidMethod(env, c, m, s);
    }
}

/* The connection's error, with its code, as DB.throwex(int) makes it. */
static void throw_code(JNIEnv *env, jobject self, int code) {
    jclass c = (*env)->FindClass(env, "org/sqlite/core/DB");
    jmethodID m = c == NULL ? NULL : (*env)->GetMethodID(env, c, "throwex", "(I)V");
    if (m != NULL) {
        (*env)->CallVoidMethod(env, self, m, (jint)code);
    }
}

static void throw_code_message(JNIEnv *env, int code, const char *message) {
    jclass c = (*env)->FindClass(env, "org/sqlite/core/DB");
    jmethodID m = c == NULL ? NULL : (*env)->GetStaticMethodID(env, c, "throwex", "(ILjava/lang/String;)V");
    if (m != NULL) {
        jstring s = (*env)->NewStringUTF(env, message);
        (*env)->CallStaticVoidMethod(env, c, m, (jint)code, s);
    }
}

static void throw_closed(JNIEnv *env) {
    throw_message(env, "The database has been closed");
}

static void throw_memory(JNIEnv *env) {
    jclass c = (*env)->FindClass(env, "java/lang/OutOfMemoryError");
    if (c != NULL) {
        (*env)->ThrowNew(env, c, "sqlite-jdbc: out of memory");
    }
}

/* The bytes of a Java byte array with a NUL after them; *length gets their count. NULL for null. */
static char *utf8(JNIEnv *env, jbyteArray array, int *length) {
    if (array == NULL) {
        return NULL;
    }
    jsize n = (*env)->GetArrayLength(env, array);
    char *out = (char *)malloc((size_t)n + 1);
    if (out == NULL) {
        throw_memory(env);
        return NULL;
    }
    (*env)->GetByteArrayRegion(env, array, 0, n, (jbyte *)out);
    out[n] = '\0';
    if (length != NULL) {
        *length = (int)n;
    }
    return out;
}

static jobject buffer(JNIEnv *env, const void *bytes, int length) {
    if (bytes == NULL) {
        return NULL;
    }
    return (*env)->NewDirectByteBuffer(env, (void *)bytes, (jlong)length);
}

/* The message of a Java exception pending in a callback, which is cleared; the caller frees it. */
static char *take_exception(JNIEnv *env) {
    jthrowable ex = (*env)->ExceptionOccurred(env);
    if (ex == NULL) {
        return NULL;
    }
    (*env)->ExceptionClear(env);
    char *copy = NULL;
    jclass c = (*env)->FindClass(env, "java/lang/Throwable");
    jmethodID m = c == NULL ? NULL : (*env)->GetMethodID(env, c, "toString", "()Ljava/lang/String;");
    jstring s = m == NULL ? NULL : (jstring)(*env)->CallObjectMethod(env, ex, m);
    if ((*env)->ExceptionCheck(env)) {
        (*env)->ExceptionClear(env);
        s = NULL;
    }
    if (s != NULL) {
        const char *chars = (*env)->GetStringUTFChars(env, s, NULL);
        if (chars != NULL) {
            copy = strdup(chars);
            (*env)->ReleaseStringUTFChars(env, s, chars);
        }
    }
    return copy != NULL ? copy : strdup("a Java exception");
}

JNIEXPORT jint JNICALL JNI_OnLoad(JavaVM *loaded, void *reserved) {
    (void)reserved;
    vm = loaded;
    return JNI_VERSION_1_6;
}

/* ---- a Java object a callback calls, held for as long as SQLite keeps the callback ---- */

typedef struct {
    jobject target;     /* global reference */
    jmethodID method;
    int kind;           /* for functions: 0 scalar, 1 aggregate, 2 window */
} callback;

static callback *callback_new(JNIEnv *env, jobject target, const char *name, const char *sig) {
    callback *cb = (callback *)calloc(1, sizeof(callback));
    if (cb == NULL) {
        throw_memory(env);
        return NULL;
    }
    jclass c = (*env)->GetObjectClass(env, target);
    cb->method = name == NULL ? NULL : (*env)->GetMethodID(env, c, name, sig);
    (*env)->DeleteLocalRef(env, c);
    if (name != NULL && cb->method == NULL) {
        free(cb);
        return NULL; /* NoSuchMethodError pending */
    }
    cb->target = (*env)->NewGlobalRef(env, target);
    return cb;
}

static void callback_free(void *p) {
    callback *cb = (callback *)p;
    if (cb == NULL) {
        return;
    }
    JNIEnv *env = env_now();
    if (env != NULL && cb->target != NULL) {
        (*env)->DeleteGlobalRef(env, cb->target);
    }
    free(cb);
}

/* ---- opening, closing, running ---- */

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB__1open_1utf8(JNIEnv *env, jobject self, jbyteArray file,
                                                                    jint flags) {
    sqlite3 *db = handle(env, self);
    if (db != NULL) {
        throw_message(env, "DB already open");
        sqlite3_close(db);
        set_long(env, self, "pointer", 0);
        return;
    }
    char *name = utf8(env, file, NULL);
    if (name == NULL) {
        if (!(*env)->ExceptionCheck(env)) {
            throw_message(env, "no file name");
        }
        return;
    }
    int rc = sqlite3_open_v2(name, &db, flags, NULL);
    free(name);
    if (rc != SQLITE_OK) {
        int code = db != NULL ? sqlite3_extended_errcode(db) : rc;
        char *message = strdup(db != NULL ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        throw_code_message(env, code, message != NULL ? message : "cannot open");
        free(message);
        return;
    }
    sqlite3_extended_result_codes(db, 1);
    set_long(env, self, "pointer", JLONG(db));
}

static void drop_listener(JNIEnv *env, jobject self, const char *name) {
    callback_free(PTR(get_long(env, self, name)));
    set_long(env, self, name, 0);
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB__1close(JNIEnv *env, jobject self) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        return;
    }
    if (sqlite3_close(db) != SQLITE_OK) {
        throw_code(env, self, sqlite3_extended_errcode(db));
        return;
    }
    set_long(env, self, "pointer", 0);
    drop_listener(env, self, "busyHandler");
    drop_listener(env, self, "commitListener");
    drop_listener(env, self, "updateListener");
    drop_listener(env, self, "progressHandler");
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB__1exec_1utf8(JNIEnv *env, jobject self, jbyteArray sql) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return SQLITE_MISUSE;
    }
    char *text = utf8(env, sql, NULL);
    if (text == NULL) {
        return SQLITE_ERROR;
    }
    int rc = sqlite3_exec(db, text, NULL, NULL, NULL);
    free(text);
    if (rc != SQLITE_OK) {
        throw_code(env, self, sqlite3_extended_errcode(db));
    }
    return rc;
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_shared_1cache(JNIEnv *env, jobject self, jboolean enable) {
    (void)env;
    (void)self;
    return sqlite3_enable_shared_cache(enable ? 1 : 0);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_enable_1load_1extension(JNIEnv *env, jobject self,
                                                                               jboolean enable) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return SQLITE_MISUSE;
    }
#ifdef SQLITE_OMIT_LOAD_EXTENSION
    (void)enable;
    return SQLITE_ERROR;
#else
    return sqlite3_enable_load_extension(db, enable ? 1 : 0);
#endif
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_interrupt(JNIEnv *env, jobject self) {
    sqlite3 *db = handle(env, self);
    if (db != NULL) {
        sqlite3_interrupt(db);
    }
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_busy_1timeout(JNIEnv *env, jobject self, jint ms) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return;
    }
    sqlite3_busy_timeout(db, ms);
}

static int busy_call(void *p, int count) {
    callback *cb = (callback *)p;
    JNIEnv *env = env_now();
    if (env == NULL) {
        return 0;
    }
    jint go_on = (*env)->CallIntMethod(env, cb->target, cb->method, (jint)count);
    char *ex = take_exception(env);
    if (ex != NULL) {
        free(ex);
        return 0; /* the handler failed: stop waiting */
    }
    return go_on;
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_busy_1handler(JNIEnv *env, jobject self, jobject handler) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return;
    }
    if (handler == NULL) {
        sqlite3_busy_handler(db, NULL, NULL);
        drop_listener(env, self, "busyHandler");
        return;
    }
    callback *cb = callback_new(env, handler, "callback", "(I)I");
    if (cb == NULL) {
        return;
    }
    sqlite3_busy_handler(db, busy_call, cb);
    drop_listener(env, self, "busyHandler");
    set_long(env, self, "busyHandler", JLONG(cb));
}

JNIEXPORT jlong JNICALL Java_org_sqlite_core_NativeDB_prepare_1utf8(JNIEnv *env, jobject self, jbyteArray sql) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return 0;
    }
    int length = 0;
    char *text = utf8(env, sql, &length);
    if (text == NULL) {
        return 0;
    }
    sqlite3_stmt *stmt = NULL;
    int rc = sqlite3_prepare_v2(db, text, length, &stmt, NULL);
    free(text);
    if (rc != SQLITE_OK) {
        throw_code(env, self, sqlite3_extended_errcode(db));
        return 0;
    }
    return JLONG(stmt);
}

JNIEXPORT jobject JNICALL Java_org_sqlite_core_NativeDB_errmsg_1utf8(JNIEnv *env, jobject self) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        return NULL;
    }
    const char *message = sqlite3_errmsg(db);
    return buffer(env, message, message == NULL ? 0 : (int)strlen(message));
}

JNIEXPORT jobject JNICALL Java_org_sqlite_core_NativeDB_libversion_1utf8(JNIEnv *env, jobject self) {
    (void)self;
    const char *version = sqlite3_libversion();
    return buffer(env, version, (int)strlen(version));
}

JNIEXPORT jlong JNICALL Java_org_sqlite_core_NativeDB_changes(JNIEnv *env, jobject self) {
    sqlite3 *db = handle(env, self);
    return db == NULL ? 0 : (jlong)sqlite3_changes64(db);
}

JNIEXPORT jlong JNICALL Java_org_sqlite_core_NativeDB_total_1changes(JNIEnv *env, jobject self) {
    sqlite3 *db = handle(env, self);
    return db == NULL ? 0 : (jlong)sqlite3_total_changes64(db);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_limit(JNIEnv *env, jobject self, jint id, jint value) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return 0;
    }
    return sqlite3_limit(db, id, value);
}

/* ---- statements ---- */

#define STMT(j) ((sqlite3_stmt *)PTR(j))

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_finalize(JNIEnv *env, jobject self, jlong stmt) {
    (void)env;
    (void)self;
    return sqlite3_finalize(STMT(stmt));
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_step(JNIEnv *env, jobject self, jlong stmt) {
    (void)env;
    (void)self;
    return sqlite3_step(STMT(stmt));
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_reset(JNIEnv *env, jobject self, jlong stmt) {
    (void)env;
    (void)self;
    return sqlite3_reset(STMT(stmt));
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_clear_1bindings(JNIEnv *env, jobject self, jlong stmt) {
    (void)env;
    (void)self;
    return sqlite3_clear_bindings(STMT(stmt));
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_bind_1parameter_1count(JNIEnv *env, jobject self, jlong stmt) {
    (void)env;
    (void)self;
    return sqlite3_bind_parameter_count(STMT(stmt));
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_column_1count(JNIEnv *env, jobject self, jlong stmt) {
    (void)env;
    (void)self;
    return sqlite3_column_count(STMT(stmt));
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_column_1type(JNIEnv *env, jobject self, jlong stmt, jint col) {
    (void)env;
    (void)self;
    return sqlite3_column_type(STMT(stmt), col);
}

static jobject text_buffer(JNIEnv *env, const char *text) {
    return buffer(env, text, text == NULL ? 0 : (int)strlen(text));
}

JNIEXPORT jobject JNICALL Java_org_sqlite_core_NativeDB_column_1decltype_1utf8(JNIEnv *env, jobject self, jlong stmt,
                                                                                 jint col) {
    (void)self;
    return text_buffer(env, sqlite3_column_decltype(STMT(stmt), col));
}

JNIEXPORT jobject JNICALL Java_org_sqlite_core_NativeDB_column_1table_1name_1utf8(JNIEnv *env, jobject self,
                                                                                    jlong stmt, jint col) {
    (void)self;
#ifdef SQLITE_ENABLE_COLUMN_METADATA
    return text_buffer(env, sqlite3_column_table_name(STMT(stmt), col));
#else
    (void)stmt;
    (void)col;
    return NULL;
#endif
}

JNIEXPORT jobject JNICALL Java_org_sqlite_core_NativeDB_column_1name_1utf8(JNIEnv *env, jobject self, jlong stmt,
                                                                             jint col) {
    (void)self;
    return text_buffer(env, sqlite3_column_name(STMT(stmt), col));
}

JNIEXPORT jobject JNICALL Java_org_sqlite_core_NativeDB_column_1text_1utf8(JNIEnv *env, jobject self, jlong stmt,
                                                                             jint col) {
    (void)self;
    const unsigned char *text = sqlite3_column_text(STMT(stmt), col);
    int length = sqlite3_column_bytes(STMT(stmt), col);
    if (text == NULL && length == 0 && sqlite3_column_type(STMT(stmt), col) != SQLITE_NULL) {
        throw_memory(env);
        return NULL;
    }
    return buffer(env, text, length);
}

static jbyteArray bytes_of(JNIEnv *env, const void *blob, int length) {
    jbyteArray out = (*env)->NewByteArray(env, length);
    if (out == NULL) {
        throw_memory(env);
        return NULL;
    }
    if (length > 0) {
        (*env)->SetByteArrayRegion(env, out, 0, length, (const jbyte *)blob);
    }
    return out;
}

JNIEXPORT jbyteArray JNICALL Java_org_sqlite_core_NativeDB_column_1blob(JNIEnv *env, jobject self, jlong stmt,
                                                                          jint col) {
    (void)self;
    if (sqlite3_column_type(STMT(stmt), col) == SQLITE_NULL) {
        return NULL;
    }
    const void *blob = sqlite3_column_blob(STMT(stmt), col);
    int length = sqlite3_column_bytes(STMT(stmt), col);
    if (blob == NULL && length > 0) {
        throw_memory(env);
        return NULL;
    }
    return bytes_of(env, blob, length);
}

JNIEXPORT jdouble JNICALL Java_org_sqlite_core_NativeDB_column_1double(JNIEnv *env, jobject self, jlong stmt,
                                                                         jint col) {
    (void)env;
    (void)self;
    return sqlite3_column_double(STMT(stmt), col);
}

JNIEXPORT jlong JNICALL Java_org_sqlite_core_NativeDB_column_1long(JNIEnv *env, jobject self, jlong stmt, jint col) {
    (void)env;
    (void)self;
    return (jlong)sqlite3_column_int64(STMT(stmt), col);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_column_1int(JNIEnv *env, jobject self, jlong stmt, jint col) {
    (void)env;
    (void)self;
    return sqlite3_column_int(STMT(stmt), col);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_bind_1null(JNIEnv *env, jobject self, jlong stmt, jint pos) {
    (void)env;
    (void)self;
    return sqlite3_bind_null(STMT(stmt), pos);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_bind_1int(JNIEnv *env, jobject self, jlong stmt, jint pos,
                                                                 jint v) {
    (void)env;
    (void)self;
    return sqlite3_bind_int(STMT(stmt), pos, v);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_bind_1long(JNIEnv *env, jobject self, jlong stmt, jint pos,
                                                                  jlong v) {
    (void)env;
    (void)self;
    return sqlite3_bind_int64(STMT(stmt), pos, (sqlite3_int64)v);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_bind_1double(JNIEnv *env, jobject self, jlong stmt, jint pos,
                                                                    jdouble v) {
    (void)env;
    (void)self;
    return sqlite3_bind_double(STMT(stmt), pos, v);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_bind_1text_1utf8(JNIEnv *env, jobject self, jlong stmt,
                                                                        jint pos, jbyteArray v) {
    (void)self;
    int length = 0;
    char *text = utf8(env, v, &length);
    if (text == NULL) {
        return (*env)->ExceptionCheck(env) ? SQLITE_NOMEM : sqlite3_bind_null(STMT(stmt), pos);
    }
    int rc = sqlite3_bind_text(STMT(stmt), pos, text, length, SQLITE_TRANSIENT);
    free(text);
    return rc;
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_bind_1blob(JNIEnv *env, jobject self, jlong stmt, jint pos,
                                                                  jbyteArray v) {
    (void)self;
    int length = 0;
    char *bytes = utf8(env, v, &length);
    if (bytes == NULL) {
        return (*env)->ExceptionCheck(env) ? SQLITE_NOMEM : sqlite3_bind_null(STMT(stmt), pos);
    }
    int rc = sqlite3_bind_blob(STMT(stmt), pos, bytes, length, SQLITE_TRANSIENT);
    free(bytes);
    return rc;
}

/* ---- results of functions ---- */

#define CONTEXT(j) ((sqlite3_context *)PTR(j))

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_result_1null(JNIEnv *env, jobject self, jlong ctx) {
    (void)env;
    (void)self;
    sqlite3_result_null(CONTEXT(ctx));
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_result_1text_1utf8(JNIEnv *env, jobject self, jlong ctx,
                                                                          jbyteArray v) {
    (void)self;
    int length = 0;
    char *text = utf8(env, v, &length);
    if (text == NULL) {
        if (!(*env)->ExceptionCheck(env)) {
            sqlite3_result_null(CONTEXT(ctx));
        }
        return;
    }
    sqlite3_result_text(CONTEXT(ctx), text, length, SQLITE_TRANSIENT);
    free(text);
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_result_1blob(JNIEnv *env, jobject self, jlong ctx,
                                                                    jbyteArray v) {
    (void)self;
    int length = 0;
    char *bytes = utf8(env, v, &length);
    if (bytes == NULL) {
        if (!(*env)->ExceptionCheck(env)) {
            sqlite3_result_null(CONTEXT(ctx));
        }
        return;
    }
    sqlite3_result_blob(CONTEXT(ctx), bytes, length, SQLITE_TRANSIENT);
    free(bytes);
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_result_1double(JNIEnv *env, jobject self, jlong ctx, jdouble v) {
    (void)env;
    (void)self;
    sqlite3_result_double(CONTEXT(ctx), v);
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_result_1long(JNIEnv *env, jobject self, jlong ctx, jlong v) {
    (void)env;
    (void)self;
    sqlite3_result_int64(CONTEXT(ctx), (sqlite3_int64)v);
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_result_1int(JNIEnv *env, jobject self, jlong ctx, jint v) {
    (void)env;
    (void)self;
    sqlite3_result_int(CONTEXT(ctx), v);
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_result_1error_1utf8(JNIEnv *env, jobject self, jlong ctx,
                                                                           jbyteArray v) {
    (void)self;
    int length = 0;
    char *text = utf8(env, v, &length);
    if (text == NULL) {
        if (!(*env)->ExceptionCheck(env)) {
            sqlite3_result_error(CONTEXT(ctx), "unknown error", -1);
        }
        return;
    }
    sqlite3_result_error(CONTEXT(ctx), text, length);
    free(text);
}

/* ---- a function's arguments, through the Function's value and args fields ---- */

static sqlite3_value *argument(JNIEnv *env, jobject function, jint index) {
    sqlite3_value **values = (sqlite3_value **)PTR(get_long(env, function, "value"));
    jfieldID f = field(env, function, "args", "I");
    jint count = f == NULL ? 0 : (*env)->GetIntField(env, function, f);
    if (values == NULL || index < 0 || index >= count) {
        throw_message(env, "function argument out of range");
        return NULL;
    }
    return values[index];
}

JNIEXPORT jobject JNICALL Java_org_sqlite_core_NativeDB_value_1text_1utf8(JNIEnv *env, jobject self, jobject f,
                                                                            jint arg) {
    (void)self;
    sqlite3_value *v = argument(env, f, arg);
    if (v == NULL) {
        return NULL;
    }
    const unsigned char *text = sqlite3_value_text(v);
    return buffer(env, text, sqlite3_value_bytes(v));
}

JNIEXPORT jbyteArray JNICALL Java_org_sqlite_core_NativeDB_value_1blob(JNIEnv *env, jobject self, jobject f,
                                                                         jint arg) {
    (void)self;
    sqlite3_value *v = argument(env, f, arg);
    if (v == NULL || sqlite3_value_type(v) == SQLITE_NULL) {
        return NULL;
    }
    const void *blob = sqlite3_value_blob(v);
    return bytes_of(env, blob, sqlite3_value_bytes(v));
}

JNIEXPORT jdouble JNICALL Java_org_sqlite_core_NativeDB_value_1double(JNIEnv *env, jobject self, jobject f, jint arg) {
    (void)self;
    sqlite3_value *v = argument(env, f, arg);
    return v == NULL ? 0.0 : sqlite3_value_double(v);
}

JNIEXPORT jlong JNICALL Java_org_sqlite_core_NativeDB_value_1long(JNIEnv *env, jobject self, jobject f, jint arg) {
    (void)self;
    sqlite3_value *v = argument(env, f, arg);
    return v == NULL ? 0 : (jlong)sqlite3_value_int64(v);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_value_1int(JNIEnv *env, jobject self, jobject f, jint arg) {
    (void)self;
    sqlite3_value *v = argument(env, f, arg);
    return v == NULL ? 0 : sqlite3_value_int(v);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_value_1type(JNIEnv *env, jobject self, jobject f, jint arg) {
    (void)self;
    sqlite3_value *v = argument(env, f, arg);
    return v == NULL ? 0 : sqlite3_value_type(v);
}

/* ---- functions defined in Java ---- */

/*
 * Calls a method of the function object with the call's context and arguments in its fields;
 * a Java exception becomes the call's SQL error.
 */
static void call_function(JNIEnv *env, jobject function, const char *method, sqlite3_context *ctx, int argc,
                          sqlite3_value **argv) {
    jclass c = (*env)->GetObjectClass(env, function);
    jmethodID m = (*env)->GetMethodID(env, c, method, "()V");
    (*env)->DeleteLocalRef(env, c);
    if (m == NULL) {
        char *ex = take_exception(env);
        sqlite3_result_error(ctx, ex != NULL ? ex : "no such method", -1);
        free(ex);
        return;
    }
    set_long(env, function, "context", JLONG(ctx));
    set_long(env, function, "value", JLONG(argv));
    jfieldID args = field(env, function, "args", "I");
    (*env)->SetIntField(env, function, args, argc);
    (*env)->CallVoidMethod(env, function, m);
    char *ex = take_exception(env);
    set_long(env, function, "context", 0);
    set_long(env, function, "value", 0);
    (*env)->SetIntField(env, function, args, 0);
    if (ex != NULL) {
        sqlite3_result_error(ctx, ex, -1);
        free(ex);
    }
}

static void scalar_call(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    callback *cb = (callback *)sqlite3_user_data(ctx);
    JNIEnv *env = env_now();
    if (env == NULL) {
        sqlite3_result_error(ctx, "no Java thread", -1);
        return;
    }
    call_function(env, cb->target, "xFunc", ctx, argc, argv);
}

/*
 * The aggregate's own object for one group: a clone of the registered one, made at the group's
 * first row and kept (as a global reference) in SQLite's aggregate context.
 */
static jobject group_object(JNIEnv *env, sqlite3_context *ctx, int create) {
    jobject *slot = (jobject *)sqlite3_aggregate_context(ctx, create ? (int)sizeof(jobject) : 0);
    if (slot == NULL) {
        return NULL;
    }
    if (*slot == NULL && create) {
        callback *cb = (callback *)sqlite3_user_data(ctx);
        jclass c = (*env)->GetObjectClass(env, cb->target);
        jmethodID clone = (*env)->GetMethodID(env, c, "clone", "()Ljava/lang/Object;");
        (*env)->DeleteLocalRef(env, c);
        jobject copy = clone == NULL ? NULL : (*env)->CallObjectMethod(env, cb->target, clone);
        char *ex = take_exception(env);
        if (ex != NULL || copy == NULL) {
            sqlite3_result_error(ctx, ex != NULL ? ex : "cannot clone the aggregate", -1);
            free(ex);
            return NULL;
        }
        *slot = (*env)->NewGlobalRef(env, copy);
        (*env)->DeleteLocalRef(env, copy);
    }
    return *slot;
}

static void group_release(JNIEnv *env, sqlite3_context *ctx) {
    jobject *slot = (jobject *)sqlite3_aggregate_context(ctx, 0);
    if (slot != NULL && *slot != NULL) {
        (*env)->DeleteGlobalRef(env, *slot);
        *slot = NULL;
    }
}

static void aggregate_step(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    JNIEnv *env = env_now();
    if (env == NULL) {
        sqlite3_result_error(ctx, "no Java thread", -1);
        return;
    }
    jobject group = group_object(env, ctx, 1);
    if (group != NULL) {
        call_function(env, group, "xStep", ctx, argc, argv);
    }
}

static void aggregate_inverse(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    JNIEnv *env = env_now();
    if (env == NULL) {
        return;
    }
    jobject group = group_object(env, ctx, 1);
    if (group != NULL) {
        call_function(env, group, "xInverse", ctx, argc, argv);
    }
}

static void aggregate_value(sqlite3_context *ctx) {
    JNIEnv *env = env_now();
    if (env == NULL) {
        return;
    }
    jobject group = group_object(env, ctx, 1);
    if (group != NULL) {
        call_function(env, group, "xValue", ctx, 0, NULL);
    }
}

static void aggregate_final(sqlite3_context *ctx) {
    JNIEnv *env = env_now();
    if (env == NULL) {
        return;
    }
    jobject group = group_object(env, ctx, 1);
    if (group != NULL) {
        call_function(env, group, "xFinal", ctx, 0, NULL);
    }
    group_release(env, ctx);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_create_1function_1utf8(JNIEnv *env, jobject self,
                                                                              jbyteArray name, jobject function,
                                                                              jint nArgs, jint flags) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return SQLITE_MISUSE;
    }
    jclass window = (*env)->FindClass(env, "org/sqlite/Function$Window");
    jclass aggregate = (*env)->FindClass(env, "org/sqlite/Function$Aggregate");
    if (window == NULL || aggregate == NULL) {
        return SQLITE_ERROR;
    }
    callback *cb = callback_new(env, function, NULL, NULL);
    if (cb == NULL) {
        return SQLITE_NOMEM;
    }
    cb->kind = (*env)->IsInstanceOf(env, function, window) ? 2 : (*env)->IsInstanceOf(env, function, aggregate) ? 1 : 0;
    char *fname = utf8(env, name, NULL);
    if (fname == NULL) {
        callback_free(cb);
        return SQLITE_NOMEM;
    }
    int rc;
    int encoding = SQLITE_UTF8 | flags;
    if (cb->kind == 2) {
        rc = sqlite3_create_window_function(db, fname, nArgs, encoding, cb, aggregate_step, aggregate_final,
                                            aggregate_value, aggregate_inverse, callback_free);
    } else if (cb->kind == 1) {
        rc = sqlite3_create_function_v2(db, fname, nArgs, encoding, cb, NULL, aggregate_step, aggregate_final,
                                        callback_free);
    } else {
        rc = sqlite3_create_function_v2(db, fname, nArgs, encoding, cb, scalar_call, NULL, NULL, callback_free);
    }
    free(fname);
    return rc;
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_destroy_1function_1utf8(JNIEnv *env, jobject self,
                                                                               jbyteArray name) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return SQLITE_MISUSE;
    }
    char *fname = utf8(env, name, NULL);
    if (fname == NULL) {
        return SQLITE_NOMEM;
    }
    int rc = sqlite3_create_function(db, fname, -1, SQLITE_UTF8, NULL, NULL, NULL, NULL);
    free(fname);
    return rc;
}

/* ---- collations defined in Java: the texts are compared as Java strings ---- */

static int collation_call(void *p, int len1, const void *str1, int len2, const void *str2) {
    callback *cb = (callback *)p;
    JNIEnv *env = env_now();
    if (env == NULL) {
        return 0;
    }
    jstring a = (*env)->NewString(env, (const jchar *)str1, len1 / 2);
    jstring b = (*env)->NewString(env, (const jchar *)str2, len2 / 2);
    jint order = (a == NULL || b == NULL) ? 0 : (*env)->CallIntMethod(env, cb->target, cb->method, a, b);
    char *ex = take_exception(env);
    free(ex);
    if (a != NULL) {
        (*env)->DeleteLocalRef(env, a);
    }
    if (b != NULL) {
        (*env)->DeleteLocalRef(env, b);
    }
    return ex != NULL ? 0 : order;
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_create_1collation_1utf8(JNIEnv *env, jobject self,
                                                                               jbyteArray name, jobject collation) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return SQLITE_MISUSE;
    }
    callback *cb = callback_new(env, collation, "xCompare", "(Ljava/lang/String;Ljava/lang/String;)I");
    if (cb == NULL) {
        return SQLITE_ERROR;
    }
    char *cname = utf8(env, name, NULL);
    if (cname == NULL) {
        callback_free(cb);
        return SQLITE_NOMEM;
    }
    int rc = sqlite3_create_collation_v2(db, cname, SQLITE_UTF16, cb, collation_call, callback_free);
    free(cname);
    return rc;
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_destroy_1collation_1utf8(JNIEnv *env, jobject self,
                                                                                jbyteArray name) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return SQLITE_MISUSE;
    }
    char *cname = utf8(env, name, NULL);
    if (cname == NULL) {
        return SQLITE_NOMEM;
    }
    int rc = sqlite3_create_collation(db, cname, SQLITE_UTF16, NULL, NULL);
    free(cname);
    return rc;
}

/* ---- backup and restore, a page step at a time, telling the observer ---- */

static int copy_pages(JNIEnv *env, sqlite3 *to, const char *toName, sqlite3 *from, const char *fromName,
                      jobject observer, jint sleepMs, jint busyTries, jint pagesPerStep) {
    sqlite3_backup *b = sqlite3_backup_init(to, toName, from, fromName);
    if (b == NULL) {
        return sqlite3_errcode(to);
    }
    jmethodID progress = NULL;
    if (observer != NULL) {
        jclass c = (*env)->GetObjectClass(env, observer);
        progress = (*env)->GetMethodID(env, c, "progress", "(II)V");
        (*env)->DeleteLocalRef(env, c);
    }
    int busy = 0;
    int rc;
    do {
        rc = sqlite3_backup_step(b, pagesPerStep);
        if (progress != NULL) {
            (*env)->CallVoidMethod(env, observer, progress, (jint)sqlite3_backup_remaining(b),
                                   (jint)sqlite3_backup_pagecount(b));
            if ((*env)->ExceptionCheck(env)) {
                break; /* the observer's exception goes to the caller */
            }
        }
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            if (++busy > busyTries) {
                break;
            }
            sqlite3_sleep(sleepMs);
        }
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(b);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

static jint backup_or_restore(JNIEnv *env, jobject self, jbyteArray dbName, jbyteArray fileName, jobject observer,
                              jint sleepMs, jint busyTries, jint pagesPerStep, int restore) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return SQLITE_MISUSE;
    }
    char *name = utf8(env, dbName, NULL);
    char *file = utf8(env, fileName, NULL);
    if (name == NULL || file == NULL) {
        free(name);
        free(file);
        return SQLITE_NOMEM;
    }
    sqlite3 *other = NULL;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI | (restore ? 0 : SQLITE_OPEN_CREATE);
    int rc = sqlite3_open_v2(file, &other, flags, NULL);
    if (rc == SQLITE_OK) {
        rc = restore ? copy_pages(env, db, name, other, "main", observer, sleepMs, busyTries, pagesPerStep)
                     : copy_pages(env, other, "main", db, name, observer, sleepMs, busyTries, pagesPerStep);
    }
    sqlite3_close(other);
    free(name);
    free(file);
    return rc;
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_backup(JNIEnv *env, jobject self, jbyteArray dbName,
                                                              jbyteArray destFile, jobject observer, jint sleepMs,
                                                              jint busyTries, jint pagesPerStep) {
    return backup_or_restore(env, self, dbName, destFile, observer, sleepMs, busyTries, pagesPerStep, 0);
}

JNIEXPORT jint JNICALL Java_org_sqlite_core_NativeDB_restore(JNIEnv *env, jobject self, jbyteArray dbName,
                                                               jbyteArray sourceFile, jobject observer, jint sleepMs,
                                                               jint busyTries, jint pagesPerStep) {
    return backup_or_restore(env, self, dbName, sourceFile, observer, sleepMs, busyTries, pagesPerStep, 1);
}

/* ---- for each column of a statement: not null, part of the primary key, auto-increment ---- */

JNIEXPORT jobjectArray JNICALL Java_org_sqlite_core_NativeDB_column_1metadata(JNIEnv *env, jobject self, jlong stmt) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return NULL;
    }
    int count = sqlite3_column_count(STMT(stmt));
    jclass booleans = (*env)->FindClass(env, "[Z");
    jobjectArray out = booleans == NULL ? NULL : (*env)->NewObjectArray(env, count, booleans, NULL);
    if (out == NULL) {
        return NULL;
    }
    for (int i = 0; i < count; i++) {
        jboolean flags[3] = {JNI_FALSE, JNI_FALSE, JNI_FALSE};
#ifdef SQLITE_ENABLE_COLUMN_METADATA
        const char *column = sqlite3_column_origin_name(STMT(stmt), i);
        const char *table = sqlite3_column_table_name(STMT(stmt), i);
        const char *database = sqlite3_column_database_name(STMT(stmt), i);
        int notNull = 0;
        int primaryKey = 0;
        int autoIncrement = 0;
        if (column != NULL && table != NULL &&
            sqlite3_table_column_metadata(db, database, table, column, NULL, NULL, &notNull, &primaryKey,
                                          &autoIncrement) == SQLITE_OK) {
            flags[0] = notNull ? JNI_TRUE : JNI_FALSE;
            flags[1] = primaryKey ? JNI_TRUE : JNI_FALSE;
            flags[2] = autoIncrement ? JNI_TRUE : JNI_FALSE;
        }
#endif
        jbooleanArray row = (*env)->NewBooleanArray(env, 3);
        if (row == NULL) {
            return NULL;
        }
        (*env)->SetBooleanArrayRegion(env, row, 0, 3, flags);
        (*env)->SetObjectArrayElement(env, out, i, row);
        (*env)->DeleteLocalRef(env, row);
    }
    return out;
}

/* ---- the connection's listeners: DB.onCommit and DB.onUpdate ---- */

static int commit_call(void *p) {
    callback *cb = (callback *)p;
    JNIEnv *env = env_now();
    if (env != NULL) {
        (*env)->CallVoidMethod(env, cb->target, cb->method, JNI_TRUE);
        free(take_exception(env));
    }
    return 0;
}

static void rollback_call(void *p) {
    callback *cb = (callback *)p;
    JNIEnv *env = env_now();
    if (env != NULL) {
        (*env)->CallVoidMethod(env, cb->target, cb->method, JNI_FALSE);
        free(take_exception(env));
    }
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_set_1commit_1listener(JNIEnv *env, jobject self,
                                                                             jboolean enabled) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return;
    }
    sqlite3_commit_hook(db, NULL, NULL);
    sqlite3_rollback_hook(db, NULL, NULL);
    drop_listener(env, self, "commitListener");
    if (enabled) {
        callback *cb = callback_new(env, self, "onCommit", "(Z)V");
        if (cb == NULL) {
            return;
        }
        sqlite3_commit_hook(db, commit_call, cb);
        sqlite3_rollback_hook(db, rollback_call, cb);
        set_long(env, self, "commitListener", JLONG(cb));
    }
}

static void update_call(void *p, int type, const char *database, const char *table, sqlite3_int64 row) {
    callback *cb = (callback *)p;
    JNIEnv *env = env_now();
    if (env == NULL) {
        return;
    }
    jstring d = (*env)->NewStringUTF(env, database);
    jstring t = (*env)->NewStringUTF(env, table);
    (*env)->CallVoidMethod(env, cb->target, cb->method, (jint)type, d, t, (jlong)row);
    free(take_exception(env));
    (*env)->DeleteLocalRef(env, d);
    (*env)->DeleteLocalRef(env, t);
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_set_1update_1listener(JNIEnv *env, jobject self,
                                                                             jboolean enabled) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return;
    }
    sqlite3_update_hook(db, NULL, NULL);
    drop_listener(env, self, "updateListener");
    if (enabled) {
        callback *cb = callback_new(env, self, "onUpdate", "(ILjava/lang/String;Ljava/lang/String;J)V");
        if (cb == NULL) {
            return;
        }
        sqlite3_update_hook(db, update_call, cb);
        set_long(env, self, "updateListener", JLONG(cb));
    }
}

/* ---- the progress handler: a non-zero answer interrupts the statement ---- */

static int progress_call(void *p) {
    callback *cb = (callback *)p;
    JNIEnv *env = env_now();
    if (env == NULL) {
        return 0;
    }
    jint stop = (*env)->CallIntMethod(env, cb->target, cb->method);
    char *ex = take_exception(env);
    if (ex != NULL) {
        free(ex);
        return 1;
    }
    return stop;
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_register_1progress_1handler(JNIEnv *env, jobject self,
                                                                                   jint vmCalls, jobject handler) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return;
    }
    sqlite3_progress_handler(db, 0, NULL, NULL);
    drop_listener(env, self, "progressHandler");
    if (handler == NULL) {
        return;
    }
    callback *cb = callback_new(env, handler, "progress", "()I");
    if (cb == NULL) {
        return;
    }
    sqlite3_progress_handler(db, vmCalls, progress_call, cb);
    set_long(env, self, "progressHandler", JLONG(cb));
}

JNIEXPORT void JNICALL Java_org_sqlite_core_NativeDB_clear_1progress_1handler(JNIEnv *env, jobject self) {
    sqlite3 *db = handle(env, self);
    if (db == NULL) {
        throw_closed(env);
        return;
    }
    sqlite3_progress_handler(db, 0, NULL, NULL);
    drop_listener(env, self, "progressHandler");
}
