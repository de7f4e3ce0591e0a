package net.cubeworks.world;

import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

public class LoginNameTest {
    @Test
    public void namesTheGameCanShowAreAdmitted() {
        assertTrue(LoginHandler.validName("Alex"));
        assertTrue(LoginHandler.validName("a"));
        assertTrue(LoginHandler.validName("Sixteen_chars_ok"));
        assertTrue(LoginHandler.validName("\u5f20\u4e09"));
    }

    @Test
    public void emptyLongBlankOrColouredNamesAreRefused() {
        assertFalse(LoginHandler.validName(""));
        assertFalse(LoginHandler.validName("Seventeen_chars_x"));
        assertFalse(LoginHandler.validName("Al ex"));
        assertFalse(LoginHandler.validName("\u00a7cAlex"));
        assertFalse(LoginHandler.validName("Alex\u0000"));
        assertFalse(LoginHandler.validName("Alex\u3000"));
    }

    @Test
    public void namesThatWouldSplitPlayerSnapshotRecordsAreRefused() {
        assertFalse(LoginHandler.validName("x|Admin,true,"));
        assertFalse(LoginHandler.validName("a,b"));
        assertFalse(LoginHandler.validName("|"));
        assertFalse(LoginHandler.validName("\u5f20\u4e09\u00a0"));
        assertTrue(LoginHandler.validName("\u5f20\u4e09_99"));
    }
}
