package net.cubeworks.buildtools;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.io.File;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.HashSet;
import java.util.List;
import java.util.Set;

/**
 * Gives the server's class files the members older plugin builds link against, as the real
 * server's jar carries them: a method declared in our sources as {@code _INVALID_name} (Java
 * cannot declare {@code int getHealth()} beside {@code double getHealth()}, nor
 * {@code LivingEntity getShooter()} beside {@code ProjectileSource getShooter()}) is renamed to
 * {@code name} in the class files, declarations and calls alike, so that the class holds both
 * members with their own descriptors, as the JVM allows. Only names used as method names are
 * renamed (in the methods of a class and in the name-and-type constants its calls use), and the
 * renamed methods are marked synthetic, so that javac compiling against the jar sees only the
 * current members; the rest of the class file is copied byte for byte. A class that would end up with two methods of the
 * same name and descriptor fails the build.
 * <p>
 * usage: OldSignatures FOLDER — rewrites, in place, every class file under FOLDER that has such
 * a name, and prints how many it rewrote.
 */
public final class OldSignatures {
    static final String PREFIX = "_INVALID_";
    private static final int ACC_SYNTHETIC = 0x1000;

    private OldSignatures() {
    }

    public static void main(String[] args) throws IOException {
        if (args.length != 1) {
            System.err.println("usage: OldSignatures FOLDER");
            System.exit(2);
        }
        List<File> files = new ArrayList<File>();
        collect(new File(args[0]), files);
        int rewritten = 0;
        for (File f : files) {
            byte[] in = Files.readAllBytes(f.toPath());
            byte[] out;
            try {
                out = rewrite(in);
            } catch (RuntimeException ex) {
                throw new IOException(f + ": " + ex.getMessage(), ex);
            }
            if (out != null) {
                Files.write(f.toPath(), out);
                rewritten++;
            }
        }
        System.out.println("OldSignatures: " + rewritten + " class files carry the older members");
    }

    private static void collect(File dir, List<File> out) {
        File[] list = dir.listFiles();
        if (list == null) {
            return;
        }
        java.util.Arrays.sort(list);
        for (File f : list) {
            if (f.isDirectory()) {
                collect(f, out);
            } else if (f.getName().endsWith(".class")) {
                out.add(f);
            }
        }
    }

    /** The class with its _INVALID_ method names renamed, or null when it has none. */
    static byte[] rewrite(byte[] b) {
        if (!contains(b, PREFIX.getBytes(StandardCharsets.US_ASCII))) {
            return null;
        }
        Reader r = new Reader(b);
        if (r.u4() != 0xCAFEBABE) {
            throw new IllegalArgumentException("not a class file");
        }
        r.pos += 4;
        int count = r.u2();
        int[] start = new int[count];
        int[] end = new int[count];
        int[] tag = new int[count];
        String[] utf8 = new String[count];
        int[] nameOf = new int[count];
        int[] typeOf = new int[count];
        for (int i = 1; i < count; i++) {
            start[i] = r.pos;
            int t = r.u1();
            tag[i] = t;
            switch (t) {
                case 1:
                    int len = r.u2();
                    utf8[i] = new String(b, r.pos, len, StandardCharsets.UTF_8);
                    r.pos += len;
                    break;
                case 3: case 4:
                    r.pos += 4;
                    break;
                case 5: case 6:
                    r.pos += 8;
                    end[i] = r.pos;
                    i++;
                    continue;
                case 7: case 8: case 16: case 19: case 20:
                    r.pos += 2;
                    break;
                case 12:
                    nameOf[i] = r.u2();
                    typeOf[i] = r.u2();
                    break;
                case 9: case 10: case 11: case 17: case 18:
                    r.pos += 4;
                    break;
                case 15:
                    r.pos += 3;
                    break;
                default:
                    throw new IllegalArgumentException("constant tag " + t);
            }
            end[i] = r.pos;
        }
        int poolEnd = r.pos;
        Set<Integer> rename = new HashSet<Integer>();
        for (int i = 1; i < count; i++) {
            if (tag[i] == 12 && utf8[nameOf[i]] != null && utf8[nameOf[i]].startsWith(PREFIX)) {
                rename.add(nameOf[i]);
            }
        }
        // the methods: their names, and the check that no two end up the same
        r.pos += 6;
        int interfaces = r.u2();
        r.pos += 2 * interfaces;
        int fields = r.u2();
        for (int i = 0; i < fields; i++) {
            r.pos += 6;
            skipAttributes(r);
        }
        int methods = r.u2();
        List<int[]> nameAndDescriptor = new ArrayList<int[]>();
        for (int i = 0; i < methods; i++) {
            int flagsAt = r.pos;
            r.pos += 2;
            int name = r.u2();
            int descriptor = r.u2();
            nameAndDescriptor.add(new int[] {name, descriptor, flagsAt});
            if (utf8[name] != null && utf8[name].startsWith(PREFIX)) {
                rename.add(name);
            }
            skipAttributes(r);
        }
        if (rename.isEmpty()) {
            return null;
        }
        Set<String> seen = new HashSet<String>();
        for (int[] m : nameAndDescriptor) {
            String name = utf8[m[0]];
            if (rename.contains(m[0])) {
                name = name.substring(PREFIX.length());
            }
            if (!seen.add(name + utf8[m[1]])) {
                throw new IllegalArgumentException("two methods " + name + utf8[m[1]] + " after renaming");
            }
        }
        for (int i = 1; i < count; i++) {
            if (tag[i] == 8 && rename.contains(((b[start[i] + 1] & 0xff) << 8) | (b[start[i] + 2] & 0xff))) {
                throw new IllegalArgumentException("the method name " + utf8[i] + " is also a string constant");
            }
        }
        try {
            ByteArrayOutputStream bytes = new ByteArrayOutputStream(b.length);
            DataOutputStream out = new DataOutputStream(bytes);
            out.write(b, 0, 10);
            for (int i = 1; i < count; i++) {
                if (start[i] == 0 && end[i] == 0) {
                    continue; // the second slot of a long or double
                }
                if (tag[i] == 1 && rename.contains(i)) {
                    out.writeByte(1);
                    out.writeUTF(utf8[i].substring(PREFIX.length()));
                } else {
                    out.write(b, start[i], end[i] - start[i]);
                }
            }
            out.write(b, poolEnd, b.length - poolEnd);
            out.flush();
            byte[] result = bytes.toByteArray();
            // the renamed methods are synthetic: the JVM links them as any other, but javac, which
            // leaves synthetic members out, never sees two getHealth() to choose between, so a
            // plugin compiled against the server jar calls the current members
            int shift = result.length - b.length;
            for (int[] m : nameAndDescriptor) {
                if (rename.contains(m[0])) {
                    int at = m[2] + shift;
                    int flags = (((result[at] & 0xff) << 8) | (result[at + 1] & 0xff)) | ACC_SYNTHETIC;
                    result[at] = (byte) (flags >> 8);
                    result[at + 1] = (byte) flags;
                }
            }
            return result;
        } catch (IOException impossible) {
            throw new IllegalStateException(impossible);
        }
    }

    private static void skipAttributes(Reader r) {
        int n = r.u2();
        for (int a = 0; a < n; a++) {
            r.pos += 2;
            int length = r.u4();
            r.pos += length;
        }
    }

    private static boolean contains(byte[] data, byte[] what) {
        outer:
        for (int i = 0; i + what.length <= data.length; i++) {
            for (int j = 0; j < what.length; j++) {
                if (data[i + j] != what[j]) {
                    continue outer;
                }
            }
            return true;
        }
        return false;
    }

    private static final class Reader {
        final byte[] b;
        int pos;

        Reader(byte[] b) {
            this.b = b;
        }

        int u1() {
            return b[pos++] & 0xff;
        }

        int u2() {
            int v = ((b[pos] & 0xff) << 8) | (b[pos + 1] & 0xff);
            pos += 2;
            return v;
        }

        int u4() {
            int v = ((b[pos] & 0xff) << 24) | ((b[pos + 1] & 0xff) << 16) | ((b[pos + 2] & 0xff) << 8) | (b[pos + 3] & 0xff);
            pos += 4;
            return v;
        }
    }
}
