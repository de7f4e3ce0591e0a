package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.nio.file.Files;
import java.sql.Connection;
import java.sql.DriverManager;
import java.sql.ResultSet;
import java.sql.Statement;

import org.junit.After;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

/**
 * The database drivers CraftBukkit carried: SQLite through DriverManager with a jdbc:sqlite: URL,
 * a plugin's SQLite data kept across a restart and a corrupt file its own error, and MySQL by the
 * old driver name and jdbc:mysql: URLs.
 */
public class DatabaseDriversTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private ServerProcess server;

    @After
    public void tearDown() throws Exception {
        if (server != null) {
            server.destroy();
        }
    }

    @Test
    public void aSqliteRoundTripThroughDriverManager() throws Exception {
        File db = new File(folder.getRoot(), "round.db");
        Connection c = DriverManager.getConnection("jdbc:sqlite:" + db.getPath());
        try {
            Statement s = c.createStatement();
            s.executeUpdate("CREATE TABLE homes (name TEXT PRIMARY KEY, x REAL, y REAL, z REAL)");
            s.executeUpdate("INSERT INTO homes VALUES ('base', 1.5, 64, -20.25)");
        } finally {
            c.close();
        }
        assertTrue(db.length() > 0);
        c = DriverManager.getConnection("jdbc:sqlite:" + db.getPath());
        try {
            ResultSet r = c.createStatement().executeQuery("SELECT x, y, z FROM homes WHERE name = 'base'");
            assertTrue(r.next());
            assertEquals(1.5, r.getDouble(1), 0.0);
            assertEquals(-20.25, r.getDouble(3), 0.0);
            assertEquals("org.sqlite.JDBC", DriverManager.getDriver("jdbc:sqlite:x.db").getClass().getName());
        } finally {
            c.close();
        }
        Class.forName("com.mysql.jdbc.Driver");
        assertTrue(DriverManager.getDriver("jdbc:mysql://localhost/db").acceptsURL("jdbc:mysql://localhost/db"));
    }

    @Test
    public void aPluginKeepsItsSqliteDataAcrossARestartAndACorruptFileIsItsOwnError() throws Exception {
        server = ServerProcess.prepare();
        CompiledPlugin.build(server.plugins(), "db", "DbPlugin", "/net/cubeworks/world/fixture/db/DbPlugin.java.txt",
                "name: db\nmain: db.DbPlugin\nversion: 1\n");
        server.start();
        server.waitReady();
        String log = server.output();
        assertTrue(log, log.contains("[db] sqlite starts before this one: 0 (SQLite 3."));
        assertTrue(log, log.contains("[db] mysql driver for jdbc:mysql: "));
        assertTrue(log, log.contains("[db] mysql answered: SQLException (cannot connect)"));
        server.send("stop");
        assertEquals(0, server.waitForExit(20000));

        server.start();
        server.waitReady();
        assertTrue(server.output(), server.output().contains("[db] sqlite starts before this one: 1 (SQLite 3."));
        server.send("stop");
        assertEquals(0, server.waitForExit(20000));

        File data = new File(server.plugins(), "db/data.db");
        byte[] junk = new byte[4096];
        java.util.Arrays.fill(junk, (byte) 'x');
        Files.write(data.toPath(), junk);
        server.start();
        server.waitReady();
        log = server.output();
        assertTrue(log, log.contains("[db] Database initialization has failed: "));
        assertFalse(log, log.contains("Error occurred while enabling"));
        assertTrue(server.isAlive());
    }
}
