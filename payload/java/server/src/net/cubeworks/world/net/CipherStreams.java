package net.cubeworks.world.net;

import java.io.FilterInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.security.GeneralSecurityException;

import javax.crypto.Cipher;
import javax.crypto.ShortBufferException;
import javax.crypto.spec.IvParameterSpec;
import javax.crypto.spec.SecretKeySpec;

/**
 * The connection's encryption after an online-mode login: AES in CFB8 mode with the shared
 * secret as both key and IV, one running cipher per direction. CFB8 turns each byte into
 * one byte, so packets can be encrypted and decrypted as they pass.
 */
public final class CipherStreams {
    private CipherStreams() {
    }

    /** A cipher for one direction: Cipher.ENCRYPT_MODE or Cipher.DECRYPT_MODE. */
    static Cipher aes(int mode, byte[] secret) throws GeneralSecurityException {
        Cipher c = Cipher.getInstance("AES/CFB8/NoPadding");
        c.init(mode, new SecretKeySpec(secret, "AES"), new IvParameterSpec(secret));
        return c;
    }

    /** Decrypts what is read from the stream below, byte for byte. */
    static final class DecryptingInput extends FilterInputStream {
        private final Cipher cipher;
        private final byte[] one = new byte[1];

        DecryptingInput(InputStream in, Cipher cipher) {
            super(in);
            this.cipher = cipher;
        }

        @Override
        public int read() throws IOException {
            int n = read(one, 0, 1);
            return n <= 0 ? -1 : one[0] & 0xFF;
        }

        @Override
        public int read(byte[] b, int off, int len) throws IOException {
            int n = in.read(b, off, len);
            if (n > 0) {
                try {
                    cipher.update(b, off, n, b, off);
                } catch (ShortBufferException ex) {
                    throw new IOException(ex);
                }
            }
            return n;
        }

        @Override
        public long skip(long n) throws IOException {
            byte[] buf = new byte[(int) Math.min(n, 512)];
            int got = read(buf, 0, buf.length);
            return Math.max(got, 0);
        }

        @Override
        public boolean markSupported() {
            return false;
        }
    }
}
