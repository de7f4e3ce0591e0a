package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assume.assumeTrue;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.InputStream;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.TimeUnit;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;

import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

/**
 * The SQLite driver's native library of our own (payload/java/sqlite-native): built here over the
 * system's SQLite it runs the driver through every kind of native call; the Windows libraries in
 * the jar are 32- and 64-bit and export every function the driver's Java side calls; under Wine
 * they load and those functions are found; and the 32-bit one's functions, which this machine cannot
 * run, take their arguments off the stack as a 32-bit JVM calls them.
 */
public class SqliteNativeTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private static File nativeSources() {
        File server = new File(System.getProperty("cubeworks.server.src", "payload/java/server/src"));
        return new File(server.getParentFile().getParentFile(), "sqlite-native");
    }

    /** The JNI names of the driver's native methods, and JNI_OnLoad. */
    static List<String> jniNames() throws Exception {
        List<String> out = new ArrayList<String>();
        for (Method m : Class.forName("org.sqlite.core.NativeDB").getDeclaredMethods()) {
            if (Modifier.isNative(m.getModifiers())) {
                out.add("Java_org_sqlite_core_NativeDB_" + m.getName().replace("_", "_1"));
            }
        }
        out.add("JNI_OnLoad");
        return out;
    }

    private static String run(File dir, long timeoutSeconds, String... command) throws Exception {
        ProcessBuilder pb = new ProcessBuilder(command).directory(dir).redirectErrorStream(true);
        pb.environment().put("WINEDEBUG", "-all");
        pb.environment().put("WINEPREFIX", new File(dir, "wineprefix").getPath());
        pb.environment().put("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d");
        Process p = pb.start();
        InputStream in = p.getInputStream();
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        byte[] buf = new byte[4096];
        int n;
        while ((n = in.read(buf)) > 0) {
            out.write(buf, 0, n);
        }
        assertTrue("finished: " + String.join(" ", command), p.waitFor(timeoutSeconds, TimeUnit.SECONDS));
        return "exit " + p.exitValue() + "\n" + new String(out.toByteArray(), Charset.defaultCharset());
    }

    private static boolean runs(String... command) {
        try {
            Process p = new ProcessBuilder(command).redirectErrorStream(true).start();
            InputStream in = p.getInputStream();
            byte[] buf = new byte[4096];
            while (in.read(buf) > 0) {
                // read to the end: a closed pipe would end the program early
            }
            return p.waitFor(60, TimeUnit.SECONDS) && p.exitValue() == 0;
        } catch (Exception ex) {
            return false;
        }
    }

    @Test
    public void ourNativeLayerRunsTheDriverThroughEveryKindOfCall() throws Exception {
        assumeTrue("gcc and the system's SQLite headers", runs("gcc", "--version")
                && new File("/usr/include/sqlite3.h").isFile());
        File dir = folder.newFolder("native");
        File jdk = new File(System.getProperty("java.home"));
        String built = run(dir, 300, "gcc", "-O1", "-shared", "-fPIC", "-DSQLITE_ENABLE_COLUMN_METADATA",
                "-I" + new File(jdk, "include"), "-I" + new File(jdk, "include/linux"), "-o", "libcwsqlitejdbc.so",
                new File(nativeSources(), "src/cw_sqlitejdbc.c").getPath(), "-lsqlite3");
        assertTrue(built, built.startsWith("exit 0"));
        String out = run(dir, 300, new File(jdk, "bin/java").getPath(), "-Xcheck:jni", "-cp",
                System.getProperty("java.class.path"), "-Dorg.sqlite.lib.path=" + dir.getPath(),
                "-Dorg.sqlite.lib.name=libcwsqlitejdbc.so", SqliteNativeCheck.class.getName(),
                new File(dir, "work").getPath());
        assertTrue(out, out.startsWith("exit 0") && out.contains("native layer: 24 checks passed"));
    }

    /** The names a PE library exports, and its machine (0x14c for x86, 0x8664 for x64) first. */
    static List<String> exports(byte[] pe) {
        java.nio.ByteBuffer b = java.nio.ByteBuffer.wrap(pe).order(java.nio.ByteOrder.LITTLE_ENDIAN);
        int coff = b.getInt(0x3c) + 4;
        assertEquals("PE signature", 0x00004550, b.getInt(coff - 4));
        int machine = b.getShort(coff) & 0xffff;
        int sections = b.getShort(coff + 2) & 0xffff;
        int optional = coff + 20;
        int optionalSize = b.getShort(coff + 16) & 0xffff;
        boolean plus = (b.getShort(optional) & 0xffff) == 0x20b;
        int exportRva = b.getInt(optional + (plus ? 112 : 96));
        int table = optional + optionalSize;
        List<String> out = new ArrayList<String>();
        out.add("machine " + Integer.toHexString(machine));
        int exportDir = fileOffset(b, table, sections, exportRva);
        int count = b.getInt(exportDir + 24);
        int names = fileOffset(b, table, sections, b.getInt(exportDir + 32));
        for (int i = 0; i < count; i++) {
            int at = fileOffset(b, table, sections, b.getInt(names + 4 * i));
            StringBuilder sb = new StringBuilder();
            while (pe[at] != 0) {
                sb.append((char) pe[at++]);
            }
            out.add(sb.toString());
        }
        return out;
    }

    private static int fileOffset(java.nio.ByteBuffer b, int table, int sections, int rva) {
        for (int s = 0; s < sections; s++) {
            int h = table + 40 * s;
            int va = b.getInt(h + 12);
            int size = Math.max(b.getInt(h + 8), b.getInt(h + 16));
            if (rva >= va && rva < va + size) {
                return rva - va + b.getInt(h + 20);
            }
        }
        throw new AssertionError("no section holds " + Integer.toHexString(rva));
    }

    private static byte[] entry(ZipFile jar, String name) throws Exception {
        ZipEntry e = jar.getEntry(name);
        assertNotNull("the jar carries " + name + " (build.sh made it without the SQLite sources?)", e);
        InputStream in = jar.getInputStream(e);
        try {
            ByteArrayOutputStream out = new ByteArrayOutputStream();
            byte[] buf = new byte[65536];
            int n;
            while ((n = in.read(buf)) > 0) {
                out.write(buf, 0, n);
            }
            return out.toByteArray();
        } finally {
            in.close();
        }
    }

    @Test
    public void theJarsWindowsLibrariesExportEveryFunctionAndLoadUnderWine() throws Exception {
        List<String> wanted = jniNames();
        assertEquals(60, wanted.size());
        File dir = folder.newFolder("windows");
        String[][] kinds = {{"x86", "14c", "i686-w64-mingw32-gcc", "/usr/lib/wine/wine"},
            {"x86_64", "8664", "x86_64-w64-mingw32-gcc", "/usr/lib/wine/wine64"}};
        ZipFile jar = new ZipFile(ServerProcess.serverJar());
        try {
            for (String[] kind : kinds) {
                byte[] dll = entry(jar, "org/sqlite/native/Windows/" + kind[0] + "/sqlitejdbc.dll");
                List<String> names = exports(dll);
                assertEquals(kind[0], "machine " + kind[1], names.get(0));
                for (String w : wanted) {
                    assertTrue(kind[0] + " exports " + w, names.contains(w));
                }
                Files.write(new File(dir, kind[0] + ".dll").toPath(), dll);
            }
        } finally {
            jar.close();
        }
        Files.write(new File(dir, "names.txt").toPath(), String.join("\n", wanted).getBytes("UTF-8"));
        int checked = 0;
        for (String[] kind : kinds) {
            // a 32-bit Windows program runs only where the kernel runs 32-bit programs
            if (!runs(kind[2], "--version") || !runs(kind[3], "--version")) {
                continue;
            }
            String exe = "check-" + kind[0] + ".exe";
            String built = run(dir, 300, kind[2], "-O1", "-static-libgcc", "-o", exe,
                    new File(nativeSources(), "test/check_dll.c").getPath());
            assertTrue(built, built.startsWith("exit 0"));
            String out = run(dir, 300, kind[3], exe, kind[0] + ".dll", "names.txt");
            assertTrue(out, out.contains(kind[0] + ".dll: 60 of 60 functions"));
            checked++;
        }
        System.out.println("SqliteNativeTest: the Windows libraries loaded under Wine: " + checked + " of 2");
        assumeTrue("Wine and MinGW ran at least the 64-bit check", checked > 0);
    }

    /** Bytes a 32-bit JVM pushes for the native method: the JNIEnv, the object or class, then each argument. */
    private static int stackBytes(Method m) {
        int n = 8;
        for (Class<?> t : m.getParameterTypes()) {
            n += t == long.class || t == double.class ? 8 : 4;
        }
        return n;
    }

    /**
     * A 32-bit JVM calls JNI functions as __stdcall: the function takes its arguments off the
     * stack (ret N). A function that does not, or takes a different number of bytes (a jlong
     * declared as jint in C), corrupts the JVM's stack on 32-bit Windows; on 64-bit Windows and
     * Linux nothing shows it. Each exported function's first return is read from the disassembly.
     */
    @Test
    public void the32BitLibrarysFunctionsPopTheArgumentsA32BitJvmPushes() throws Exception {
        String objdump = "i686-w64-mingw32-objdump";
        assumeTrue("MinGW's 32-bit objdump", runs(objdump, "--version"));
        File dir = folder.newFolder("x86");
        File dll = new File(dir, "sqlitejdbc.dll");
        ZipFile jar = new ZipFile(ServerProcess.serverJar());
        try {
            Files.write(dll.toPath(), entry(jar, "org/sqlite/native/Windows/x86/sqlitejdbc.dll"));
        } finally {
            jar.close();
        }
        // the exported names' addresses: names and addresses by their index in the export table, and the image base
        String headers = run(dir, 120, objdump, "-p", dll.getPath());
        java.util.Map<Integer, String> nameOf = new java.util.HashMap<Integer, String>();
        java.util.Map<Integer, Long> rvaOf = new java.util.HashMap<Integer, Long>();
        long base = -1;
        java.util.regex.Matcher m = java.util.regex.Pattern.compile("(?m)^\\s*\\[\\s*(\\d+)\\] (\\w+)$").matcher(headers);
        while (m.find()) {
            nameOf.put(Integer.parseInt(m.group(1)), m.group(2));
        }
        m = java.util.regex.Pattern.compile("(?m)^\\s*\\[\\s*(\\d+)\\] \\+base\\[\\s*\\d+\\] ([0-9a-f]+) Export RVA").matcher(headers);
        while (m.find()) {
            rvaOf.put(Integer.parseInt(m.group(1)), Long.parseLong(m.group(2), 16));
        }
        m = java.util.regex.Pattern.compile("(?m)^ImageBase\\s+([0-9a-f]+)").matcher(headers);
        assertTrue(headers, m.find());
        base = Long.parseLong(m.group(1), 16);
        java.util.Map<String, Long> addressOf = new java.util.HashMap<String, Long>();
        for (java.util.Map.Entry<Integer, String> e : nameOf.entrySet()) {
            if (rvaOf.containsKey(e.getKey())) {
                addressOf.put(e.getValue(), base + rvaOf.get(e.getKey()));
            }
        }
        // every return in the code, by address, with the bytes it takes off the stack
        String code = run(dir, 300, objdump, "-d", "--no-show-raw-insn", dll.getPath());
        java.util.TreeMap<Long, Integer> returns = new java.util.TreeMap<Long, Integer>();
        m = java.util.regex.Pattern.compile("(?m)^\\s*([0-9a-f]+):\\s+ret\\s*(?:\\$0x([0-9a-f]+))?\\s*$").matcher(code);
        while (m.find()) {
            returns.put(Long.parseLong(m.group(1), 16), m.group(2) == null ? 0 : Integer.parseInt(m.group(2), 16));
        }
        assertTrue("returns found", returns.size() > 1000);
        int checked = 0;
        for (Method method : Class.forName("org.sqlite.core.NativeDB").getDeclaredMethods()) {
            if (!Modifier.isNative(method.getModifiers())) {
                continue;
            }
            String name = "Java_org_sqlite_core_NativeDB_" + method.getName().replace("_", "_1");
            Long at = addressOf.get(name);
            assertNotNull(name + " is exported", at);
            java.util.Map.Entry<Long, Integer> ret = returns.ceilingEntry(at);
            assertNotNull(name + " returns", ret);
            assertEquals(name + " takes its arguments off the stack", stackBytes(method), ret.getValue().intValue());
            checked++;
        }
        assertEquals(59, checked);
        assertEquals("JNI_OnLoad(JavaVM *, void *)", 8, returns.ceilingEntry(addressOf.get("JNI_OnLoad")).getValue().intValue());
    }
}
