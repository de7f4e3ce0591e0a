package net.cubeworks.world.settings;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.nio.file.Files;
import java.util.logging.Logger;

import org.junit.Test;

public class ServerPropertiesTest {
    private static byte[] gbk(String s) throws Exception {
        return s.getBytes("GBK");
    }

    /** The settings text as the manager writes it: GBK comments, CR LF, no final line end. */
    private static byte[] managerText(String port) throws Exception {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        out.write(gbk("allow-nether=false\r\n#开启地狱\r\n"));
        out.write(gbk("server-port=" + port + "\r\n#服务器端口\r\n"));
        // a comment ending in a GBK character whose second byte is a backslash must not
        // swallow the next line
        out.write(gbk("#乗\r\n"));
        out.write(gbk("max-players=7\r\n#最大人数限制\r\n"));
        out.write(gbk("online-mode=false\r\n#正版模式，盗版玩家请关闭\r\n"));
        out.write(gbk("gamemode=1\r\n#默认游戏模式\r\n"));
        out.write(gbk("spawn-protection=0\r\n#出生地保护范围\r\n"));
        out.write(gbk("motd=A Cubeworks Server\r\n#motd文本，只支持英文"));
        return out.toByteArray();
    }

    @Test
    public void readsManagerFileWithGbkCommentsAndCrLf() throws Exception {
        ServerProperties p = ServerProperties.parse(managerText("25570"));
        assertEquals(25570, p.serverPort());
        assertEquals(7, p.maxPlayers());
        assertFalse(p.onlineMode());
        assertFalse(p.allowNether());
        assertEquals(1, p.gamemode());
        assertEquals(0, p.spawnProtection());
        assertEquals("A Cubeworks Server", p.motd());
        assertEquals("", p.serverIp());
    }

    @Test
    public void anEmptyOrMissingPortIsTheStandardOneAndAnyOtherNonPortIsNone() throws Exception {
        assertEquals(25565, ServerProperties.parse(managerText("")).serverPort());
        assertEquals(25565, ServerProperties.parse(new byte[0]).serverPort());
        assertEquals(25566, ServerProperties.parse(managerText(" 25566\t")).serverPort());
        assertEquals(25565, ServerProperties.parse(managerText("000025565")).serverPort());
        for (String bad : new String[] {"abc", "70000", "65536", "0", "-1", "+80", "25610abc", "1e3",
            "99999999999999999999"}) {
            assertEquals(bad, -1, ServerProperties.parse(managerText(bad)).serverPort());
        }
        byte[] marked = "\u00ef\u00bb\u00bfserver-port=25567\r\n".getBytes("ISO-8859-1");
        assertEquals(25567, ServerProperties.parse(marked).serverPort());
    }

    @Test
    public void outOfRangeValuesFallBack() throws Exception {
        ServerProperties p = ServerProperties.parse("gamemode=9\ndifficulty=-1\npvp=maybe\n".getBytes("ISO-8859-1"));
        assertEquals(0, p.gamemode());
        assertEquals(1, p.difficulty());
        assertTrue(p.pvp());
    }

    @Test
    public void missingFileIsCreatedWithDefaultsAndExistingFileIsNeverRewritten() throws Exception {
        File dir = Files.createTempDirectory("cwprops").toFile();
        File f = new File(dir, "server.properties");
        Logger log = Logger.getAnonymousLogger();
        log.setUseParentHandlers(false);
        ServerProperties created = ServerProperties.load(f, log);
        assertTrue(f.isFile());
        assertEquals(25565, created.serverPort());
        assertEquals(25565, ServerProperties.parse(Files.readAllBytes(f.toPath())).serverPort());

        byte[] text = managerText("25571");
        Files.write(f.toPath(), text);
        assertEquals(25571, ServerProperties.load(f, log).serverPort());
        byte[] after = Files.readAllBytes(f.toPath());
        assertTrue(java.util.Arrays.equals(text, java.util.Arrays.copyOf(after, text.length)));
        // a file with every key is never touched
        byte[] full = after.clone();
        assertEquals(25571, ServerProperties.load(f, log).serverPort());
        assertTrue(java.util.Arrays.equals(full, Files.readAllBytes(f.toPath())));
        f.delete();
        dir.delete();
    }

    @Test
    public void missingKeysAreAddedAtTheEndInTheFilesOwnLineEndsAndEveryLineThereStays() throws Exception {
        File dir = Files.createTempDirectory("cwprops").toFile();
        File f = new File(dir, "server.properties");
        Logger log = Logger.getAnonymousLogger();
        log.setUseParentHandlers(false);
        // the manager's file: GBK comments, CR LF, no final line end, and no level-name
        byte[] text = managerText("25572");
        Files.write(f.toPath(), text);
        ServerProperties p = ServerProperties.load(f, log);
        assertEquals("world", p.levelName());
        byte[] after = Files.readAllBytes(f.toPath());
        assertTrue(java.util.Arrays.equals(text, java.util.Arrays.copyOf(after, text.length)));
        String added = new String(after, text.length, after.length - text.length, "US-ASCII");
        assertTrue(added, added.startsWith("\r\ngenerator-settings=\r\nop-permission-level=4\r\n"));
        assertTrue(added, added.contains("\r\nlevel-name=world\r\n"));
        assertTrue(added, added.endsWith("\r\nview-distance=10\r\n"));
        assertFalse("keys there are not added again", added.contains("server-port") || added.contains("motd")
                || added.contains("max-players") || added.contains("allow-nether"));
        assertEquals(-1, added.replace("\r\n", "").indexOf('\n'));
        ServerProperties again = ServerProperties.parse(after);
        assertEquals(25572, again.serverPort());
        assertEquals(7, again.maxPlayers());
        assertEquals("A Cubeworks Server", again.motd());
        String gbkText = new String(after, "GBK");
        assertTrue(gbkText.contains("#motd文本，只支持英文\r\ngenerator-settings="));

        // LF ends stay LF; a last line ending in a backslash cannot swallow the first key added
        Files.write(f.toPath(), "# mine\nmotd=a\\\n".getBytes("ISO-8859-1"));
        ServerProperties.load(f, log);
        String lf = new String(Files.readAllBytes(f.toPath()), "ISO-8859-1");
        assertTrue(lf, lf.startsWith("# mine\nmotd=a\\\n\ngenerator-settings=\n"));
        assertEquals(-1, lf.indexOf('\r'));
        assertEquals("a", ServerProperties.parse(lf.getBytes("ISO-8859-1")).motd());
        assertEquals("", ServerProperties.parse(lf.getBytes("ISO-8859-1")).getString("generator-settings", "x"));
        f.delete();
        dir.delete();
    }

    @Test
    public void aMalformedEscapeStaysLiteralAndOtherKeysKeepTheirValues() throws Exception {
        ServerProperties p = ServerProperties.parse(
                "motd=C:\\users\\x \\uZZ12 and \\u12\r\nserver-port=25599\r\nlevel-name=\\u0041b\\\r\n   c\r\n"
                        .getBytes("ISO-8859-1"));
        assertEquals(25599, p.serverPort());
        // an unknown escape loses its backslash as usual; the bad "\\u" ones keep theirs
        assertEquals("C:\\usersx \\uZZ12 and \\u12", p.motd());
        assertEquals("Abc", p.levelName());
    }

    @Test
    public void readsTheSyntaxJavaPropertiesReads() throws Exception {
        String text = "# comment \\\n! other\n  key\\ one : spaced value\\n\nk2 v2\nk3\\\n  #not a comment\nempty\n"
                + "tab\\tkey=\\=x\\:y";
        java.util.Properties expected = new java.util.Properties();
        expected.load(new java.io.ByteArrayInputStream(text.getBytes("ISO-8859-1")));
        assertEquals(expected, net.cubeworks.world.util.PropertiesReader.parse(text.getBytes("ISO-8859-1")));
        assertEquals("spaced value\n", expected.getProperty("key one"));
    }
}
