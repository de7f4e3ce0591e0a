package net.cubeworks.world.settings;

import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.Test;
import net.cubeworks.world.settings.PlayerNames;

public class LoginNameTest {
    /** A name the host can see, type and keep a file for on this server's console, as logins check it. */
    private static boolean validName(String name) {
        return PlayerNames.refusal(name, net.cubeworks.world.console.ConsoleOutput.platformCharset()) == null;
    }

    @Test
    public void namesTheGameCanShowAreAdmitted() {
        assertTrue(validName("Alex"));
        assertTrue(validName("a"));
        assertTrue(validName("Sixteen_chars_ok"));
        assertTrue(validName("\u5f20\u4e09"));
    }

    @Test
    public void emptyLongBlankOrColouredNamesAreRefused() {
        assertFalse(validName(""));
        assertFalse(validName("Seventeen_chars_x"));
        assertFalse(validName("Al ex"));
        assertFalse(validName("\u00a7cAlex"));
        assertFalse(validName("Alex\u0000"));
        assertFalse(validName("Alex\u3000"));
    }

    @Test
    public void namesThatWouldSplitPlayerSnapshotRecordsAreRefused() {
        assertFalse(validName("x|Admin,true,"));
        assertFalse(validName("a,b"));
        assertFalse(validName("|"));
        assertFalse(validName("\u5f20\u4e09\u00a0"));
        assertTrue(validName("\u5f20\u4e09_99"));
    }

    @Test
    public void onAGbkConsoleOnlyNamesTheHostCanSeeAndTypeAreAdmitted() {
        java.nio.charset.Charset gbk = java.nio.charset.Charset.forName("GBK");
        org.junit.Assert.assertNull(PlayerNames.refusal("\u5f20\u4e09", gbk));
        org.junit.Assert.assertNull(PlayerNames.refusal("Steve_42", gbk));
        // shown as "?" on a GBK console, so "kick Bob?" would find nobody
        org.junit.Assert.assertEquals(PlayerNames.UNSHOWABLE, PlayerNames.refusal("Bob\u0142", gbk));
        for (String invisible : new String[] {"Bob\u200b", "\ufeffBob", "Bo\u2060b", "Bob\u180e", "Bob\ufffd",
            "Bob\ue000", "Bob\u0378", "Bob\ud800"}) {
            org.junit.Assert.assertEquals(invisible, PlayerNames.UNSHOWABLE, PlayerNames.refusal(invisible, gbk));
        }
        for (String reserved : new String[] {"Server", "CONSOLE", "rcon"}) {
            org.junit.Assert.assertEquals(PlayerNames.RESERVED, PlayerNames.refusal(reserved, gbk));
        }
        for (String file : new String[] {"a/b", "a\\b", "a:b", "x?", "CON", "nul", "com1", "LPT9", "Bob."}) {
            org.junit.Assert.assertEquals(file, PlayerNames.NOT_A_FILE_NAME, PlayerNames.refusal(file, gbk));
        }
        org.junit.Assert.assertNull(PlayerNames.refusal("COM10", gbk));
        org.junit.Assert.assertNull(PlayerNames.refusal("Console2", gbk));
    }
}
