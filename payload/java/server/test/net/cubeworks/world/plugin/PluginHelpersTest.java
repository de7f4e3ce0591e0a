package net.cubeworks.world.plugin;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import org.bukkit.util.FileUtil;
import org.bukkit.util.StringUtil;
import org.junit.Test;

/** The tab-completion and file helpers permission and command plugins call. */
public class PluginHelpersTest {

    @Test
    public void partialMatchesIgnoreCaseKeepOrderAndAppend() {
        List<String> into = new ArrayList<String>(Arrays.asList("kept"));
        List<String> got = StringUtil.copyPartialMatches("Se",
                Arrays.asList("setperm", "SETRANK", "unsetperm", "s", "se"), into);
        assertEquals(Arrays.asList("kept", "setperm", "SETRANK", "se"), got);
        assertEquals(Arrays.asList("a", "b"),
                StringUtil.copyPartialMatches("", Arrays.asList("a", "b"), new ArrayList<String>()));
        assertFalse(StringUtil.startsWithIgnoreCase("gr", "group"));
        assertTrue(StringUtil.startsWithIgnoreCase("Group", "gRO"));
    }

    @Test(expected = IllegalArgumentException.class)
    public void aNullTokenIsRefused() {
        StringUtil.copyPartialMatches(null, Arrays.asList("a"), new ArrayList<String>());
    }

    @Test
    public void copyWritesOnlyWhenTheSourceChangedAndSaysSo() throws Exception {
        File dir = Files.createTempDirectory("fileutil").toFile();
        File in = new File(dir, "config.yml");
        File out = new File(dir, "config.yml.backup");
        byte[] first = "users:\n  bob: {}\n".getBytes("UTF-8");
        Files.write(in.toPath(), first);
        assertTrue(FileUtil.copy(in, out));
        assertArrayEquals(first, Files.readAllBytes(out.toPath()));
        assertFalse("an up-to-date copy is left alone", FileUtil.copy(in, out));

        byte[] second = "users: {}\n".getBytes("UTF-8");
        Files.write(in.toPath(), second);
        assertTrue(FileUtil.copy(in, out));
        assertArrayEquals(second, Files.readAllBytes(out.toPath()));

        assertFalse("a missing source copies nothing", FileUtil.copy(new File(dir, "none"), new File(dir, "x")));
        assertFalse(new File(dir, "x").exists());
        assertFalse("an unwritable target answers false", FileUtil.copy(in, new File(dir, "no/such/dir/x")));
    }
}
