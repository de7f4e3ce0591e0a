package net.cubeworks.world.settings;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.Date;
import java.util.List;

import org.junit.Test;

public class ListsTest {
    @Test
    public void banLinesInTheFileFormat() {
        BanList.Entry e = BanList.parseLine("Alex|2014-01-02 03:04:05 +0000|CONSOLE|Forever|griefing");
        assertEquals("Alex", e.name);
        assertEquals("CONSOLE", e.source);
        assertNull(e.expires);
        assertEquals("griefing", e.reason);
        assertEquals(1388631845000L, e.created.getTime());

        BanList.Entry bare = BanList.parseLine("Bob");
        assertEquals("Bob", bare.name);
        assertEquals(BanList.DEFAULT_REASON, bare.reason);

        assertNull(BanList.parseLine("# victim name | ban date | banned by | banned until | reason"));
        assertNull(BanList.parseLine("   "));
        assertNull(BanList.parseLine("|2014-01-02 03:04:05 +0000"));
    }

    @Test
    public void bansAndOpsSurviveSaveAndLoadIgnoringCase() throws Exception {
        File dir = Files.createTempDirectory("cwlists").toFile();
        File banFile = new File(dir, "banned-players.txt");
        BanList bans = new BanList(banFile);
        bans.add(new BanList.Entry("Alex", new Date(), "CONSOLE", null, "Banned by an operator."));
        bans.add(new BanList.Entry("Old", new Date(0), "CONSOLE", new Date(1000), "expired"));
        bans.save();
        List<String> lines = Files.readAllLines(banFile.toPath(), net.cubeworks.world.console.ConsoleOutput.platformCharset());
        assertTrue(lines.get(0).startsWith("#"));
        assertTrue(lines.get(1).startsWith("#"));

        BanList again = new BanList(banFile);
        again.load();
        assertNotNull(again.get("alex"));
        assertEquals("Banned by an operator.", again.get("ALEX").reason);
        assertNull(again.get("Old"));
        assertTrue(again.remove("Alex"));
        assertNull(again.get("Alex"));

        File opFile = new File(dir, "ops.txt");
        Files.write(opFile.toPath(), "Alex\r\n\r\n  Steve \n".getBytes("UTF-8"));
        NameList ops = new NameList(opFile);
        ops.load();
        assertTrue(ops.contains("alex"));
        assertTrue(ops.contains("STEVE"));
        assertFalse(ops.add("ALEX"));
        assertTrue(ops.remove("steve"));
        ops.save();
        NameList reloaded = new NameList(opFile);
        reloaded.load();
        assertEquals(1, reloaded.names().size());
        assertTrue(reloaded.contains("Alex"));
        banFile.delete();
        opFile.delete();
        dir.delete();
    }
}
