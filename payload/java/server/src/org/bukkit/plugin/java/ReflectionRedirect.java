package org.bukkit.plugin.java;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;

/**
 * Rewrites a plugin class so that its {@code Class.getDeclaredField(String)} calls go to the
 * server's {@code LibraryFields.declaredField(Class, String)}, which also finds a field that a
 * newer version of a carried library moved to a superclass. The call is replaced in place: an
 * {@code invokevirtual} of the method becomes an {@code invokestatic} of the same length that takes
 * the same two values and leaves the same result, so no offset, stack map or exception table of
 * the class changes; only six constants are added at the end of the pool.
 */
final class ReflectionRedirect {
    private static final String OWNER = "java/lang/Class";
    private static final String NAME = "getDeclaredField";
    private static final String DESCRIPTOR = "(Ljava/lang/String;)Ljava/lang/reflect/Field;";
    private static final String TARGET_OWNER = "net/cubeworks/world/plugin/LibraryFields";
    private static final String TARGET_NAME = "declaredField";
    private static final String TARGET_DESCRIPTOR = "(Ljava/lang/Class;Ljava/lang/String;)Ljava/lang/reflect/Field;";
    private static final byte[] MARKER = NAME.getBytes(StandardCharsets.US_ASCII);

    private static final int INVOKEVIRTUAL = 0xb6;
    private static final int INVOKESTATIC = 0xb8;

    private ReflectionRedirect() {
    }

    /** The rewritten class, or null when it makes no such call (or is not a class file we read). */
    static byte[] rewrite(byte[] cls) {
        if (!contains(cls, MARKER)) {
            return null;
        }
        try {
            return new ReflectionRedirect.Parse(cls).rewrite();
        } catch (RuntimeException unreadable) {
            return null; // left to the JVM, which says what is wrong with it
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

    private static final class Parse {
        private final byte[] b;
        private int pos;
        private String[] utf8;
        private int[] tag;
        private int[] ref1;
        private int[] ref2;
        private int poolCount;
        private int poolEnd;

        Parse(byte[] b) {
            this.b = b;
        }

        private int u1() {
            return b[pos++] & 0xff;
        }

        private int u2() {
            int v = ((b[pos] & 0xff) << 8) | (b[pos + 1] & 0xff);
            pos += 2;
            return v;
        }

        private int u4() {
            int v = ((b[pos] & 0xff) << 24) | ((b[pos + 1] & 0xff) << 16) | ((b[pos + 2] & 0xff) << 8) | (b[pos + 3] & 0xff);
            pos += 4;
            return v;
        }

        byte[] rewrite() {
            if (u4() != 0xCAFEBABE) {
                throw new IllegalArgumentException("not a class file");
            }
            pos += 4; // versions
            readPool();
            int target = findCallee();
            if (target == 0) {
                return null;
            }
            byte[] out = b.clone();
            int newRef = poolCount + 5; // the Methodref is the last of the six added constants
            int patched = patchCalls(out, target, newRef);
            if (patched == 0) {
                return null;
            }
            return withConstants(out);
        }

        private void readPool() {
            poolCount = u2();
            utf8 = new String[poolCount];
            tag = new int[poolCount];
            ref1 = new int[poolCount];
            ref2 = new int[poolCount];
            for (int i = 1; i < poolCount; i++) {
                int t = u1();
                tag[i] = t;
                switch (t) {
                    case 1:
                        int len = u2();
                        utf8[i] = new String(b, pos, len, StandardCharsets.UTF_8);
                        pos += len;
                        break;
                    case 3: case 4:
                        pos += 4;
                        break;
                    case 5: case 6:
                        pos += 8;
                        i++;
                        break;
                    case 7: case 8: case 16: case 19: case 20:
                        ref1[i] = u2();
                        break;
                    case 9: case 10: case 11: case 12: case 17: case 18:
                        ref1[i] = u2();
                        ref2[i] = u2();
                        break;
                    case 15:
                        pos += 3;
                        break;
                    default:
                        throw new IllegalArgumentException("constant tag " + t);
                }
            }
            poolEnd = pos;
        }

        /** The pool index of the Methodref Class.getDeclaredField(String), or 0. */
        private int findCallee() {
            for (int i = 1; i < poolCount; i++) {
                if (tag[i] == 10 && OWNER.equals(utf8[ref1[ref1[i]]])) {
                    int nat = ref2[i];
                    if (NAME.equals(utf8[ref1[nat]]) && DESCRIPTOR.equals(utf8[ref2[nat]])) {
                        return i;
                    }
                }
            }
            return 0;
        }

        /** Replaces each invokevirtual of the callee in every method's code; the count replaced. */
        private int patchCalls(byte[] out, int callee, int replacement) {
            pos = poolEnd + 6; // access, this, super
            int interfaces = u2();
            pos += 2 * interfaces;
            skipFields();
            int[] count = new int[1];
            patchMethods(out, callee, replacement, count);
            return count[0];
        }

        private void skipFields() {
            int n = u2();
            for (int i = 0; i < n; i++) {
                pos += 6;
                int attrs = u2();
                for (int a = 0; a < attrs; a++) {
                    pos += 2;
                    pos += u4();
                }
            }
        }

        private void patchMethods(byte[] out, int callee, int replacement, int[] count) {
            int n = u2();
            for (int i = 0; i < n; i++) {
                pos += 6;
                int attrs = u2();
                for (int a = 0; a < attrs; a++) {
                    int name = u2();
                    int length = u4();
                    int next = pos + length;
                    if ("Code".equals(utf8[name])) {
                        pos += 4; // max stack, max locals
                        int codeLength = u4();
                        count[0] += patchCode(out, pos, codeLength, callee, replacement);
                    }
                    pos = next;
                }
            }
        }

        private int patchCode(byte[] out, int start, int length, int callee, int replacement) {
            int patched = 0;
            int pc = 0;
            while (pc < length) {
                int at = start + pc;
                int op = b[at] & 0xff;
                if (op == INVOKEVIRTUAL && (((b[at + 1] & 0xff) << 8) | (b[at + 2] & 0xff)) == callee) {
                    out[at] = (byte) INVOKESTATIC;
                    out[at + 1] = (byte) (replacement >> 8);
                    out[at + 2] = (byte) replacement;
                    patched++;
                }
                pc += instructionLength(start, pc, op);
            }
            return patched;
        }

        private int instructionLength(int start, int pc, int op) {
            if (op == 0xaa || op == 0xab) { // tableswitch, lookupswitch: padded to four bytes
                int p = pc + 1;
                p += (4 - (p % 4)) % 4;
                int base = start + p;
                if (op == 0xaa) {
                    int low = int4(base + 4);
                    int high = int4(base + 8);
                    return p - pc + 12 + 4 * (high - low + 1);
                }
                int pairs = int4(base + 4);
                return p - pc + 8 + 8 * pairs;
            }
            if (op == 0xc4) { // wide
                return (b[start + pc + 1] & 0xff) == 0x84 ? 6 : 4;
            }
            return LENGTHS[op];
        }

        private int int4(int at) {
            return ((b[at] & 0xff) << 24) | ((b[at + 1] & 0xff) << 16) | ((b[at + 2] & 0xff) << 8) | (b[at + 3] & 0xff);
        }

        /** The class with the six constants of the replacement call added at the end of the pool. */
        private byte[] withConstants(byte[] patched) {
            try {
                ByteArrayOutputStream bytes = new ByteArrayOutputStream(patched.length + 160);
                DataOutputStream out = new DataOutputStream(bytes);
                out.write(patched, 0, 8);
                int first = poolCount;
                out.writeShort(poolCount + 6);
                out.write(patched, 10, poolEnd - 10);
                out.writeByte(1);
                out.writeUTF(TARGET_OWNER);             // first
                out.writeByte(7);
                out.writeShort(first);                  // first + 1: the class
                out.writeByte(1);
                out.writeUTF(TARGET_NAME);              // first + 2
                out.writeByte(1);
                out.writeUTF(TARGET_DESCRIPTOR);        // first + 3
                out.writeByte(12);
                out.writeShort(first + 2);
                out.writeShort(first + 3);              // first + 4: name and type
                out.writeByte(10);
                out.writeShort(first + 1);
                out.writeShort(first + 4);              // first + 5: the method
                out.write(patched, poolEnd, patched.length - poolEnd);
                out.flush();
                return bytes.toByteArray();
            } catch (IOException impossible) {
                throw new IllegalStateException(impossible);
            }
        }
    }

    /** Instruction lengths by opcode; 0 for the switches and wide, measured where they stand. */
    private static final int[] LENGTHS = new int[256];

    static {
        java.util.Arrays.fill(LENGTHS, 1);
        LENGTHS[0x10] = 2;
        LENGTHS[0x11] = 3;
        LENGTHS[0x12] = 2;
        LENGTHS[0x13] = 3;
        LENGTHS[0x14] = 3;
        for (int op = 0x15; op <= 0x19; op++) {
            LENGTHS[op] = 2;
        }
        for (int op = 0x36; op <= 0x3a; op++) {
            LENGTHS[op] = 2;
        }
        LENGTHS[0x84] = 3;
        for (int op = 0x99; op <= 0xa8; op++) {
            LENGTHS[op] = 3;
        }
        LENGTHS[0xa9] = 2;
        for (int op = 0xb2; op <= 0xb8; op++) {
            LENGTHS[op] = 3;
        }
        LENGTHS[0xb9] = 5;
        LENGTHS[0xba] = 5;
        LENGTHS[0xbb] = 3;
        LENGTHS[0xbc] = 2;
        LENGTHS[0xbd] = 3;
        LENGTHS[0xc0] = 3;
        LENGTHS[0xc1] = 3;
        LENGTHS[0xc5] = 4;
        LENGTHS[0xc6] = 3;
        LENGTHS[0xc7] = 3;
        LENGTHS[0xc8] = 5;
        LENGTHS[0xc9] = 5;
    }
}
