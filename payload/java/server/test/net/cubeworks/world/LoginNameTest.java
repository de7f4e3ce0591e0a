package net.cubeworks.world;

import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

public class LoginNameTest {
    @Test
    public void namesTheGameCanShowAreAdmitted() {
        assertTrue(WorldServer.validName("Alex"));
        assertTrue(WorldServer.validName("a"));
        assertTrue(WorldServer.validName("Sixteen_chars_ok"));
        assertTrue(WorldServer.validName("\u5f20\u4e09"));
    }

    @Test
    public void emptyLongBlankOrColouredNamesAreRefused() {
        assertFalse(WorldServer.validName(""));
        assertFalse(WorldServer.validName("Seventeen_chars_x"));
        assertFalse(WorldServer.validName("Al ex"));
        assertFalse(WorldServer.validName("\u00a7cAlex"));
        assertFalse(WorldServer.validName("Alex\u0000"));
        assertFalse(WorldServer.validName("Alex\u3000"));
    }
}
