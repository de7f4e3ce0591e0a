package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.nio.file.Files;
import java.util.List;

import org.junit.After;
import org.junit.Test;

/**
 * The game's commands as Bukkit's org.bukkit.command.defaults commands in the command map: what
 * they answer an operator, a player without the permission and the console, the selectors, and
 * a plugin overriding one, aliasing another and finding them by reflection; and a plugin that
 * puts a permissible of its own into the players, as permission plugins do, deciding their
 * permission checks.
 */
public class GameCommandsTest {
    private ServerProcess server;
    private PlayClient alex;
    private PlayClient bo;

    @After
    public void tearDown() throws Exception {
        for (PlayClient c : new PlayClient[] {alex, bo}) {
            if (c != null) {
                c.close();
            }
        }
        if (server != null) {
            server.destroy();
        }
    }

    /** What the client was told after saying the line, as one text. */
    private static String say(PlayClient c, String line) throws Exception {
        int from = c.chat.size();
        c.say(line);
        c.drain(400);
        List<String> told = c.chat.subList(from, c.chat.size());
        return told.toString();
    }

    @Test
    public void operatorsRunThemPlayersWithoutThePermissionAreRefusedAndPluginsReachThem() throws Exception {
        server = ServerProcess.prepare("level-seed=12345");
        Files.write(new File(server.dir, "ops.txt").toPath(), "Alex\n".getBytes("UTF-8"));
        CompiledPlugin.build(server.plugins(), "cmds", "CmdsPlugin", "/net/cubeworks/world/fixture/cmds/CmdsPlugin.java.txt",
                "name: cmds\nmain: cmds.CmdsPlugin\nversion: 1\ncommands:\n  seed:\n    description: its own\n"
                + "  ask:\n    description: what the sender's permission check answers\n");
        server.start();
        server.waitReady();
        server.waitFor("[cmds] kill is org.bukkit.command.defaults.KillCommand with bukkit.command.kill; "
                + "bukkit:seed is SeedCommand; seed is PluginCommand");
        String status = TestClient.status(server.port);
        assertTrue("the plugin's icon in the server list: " + status, status.contains("\"favicon\":\"data:image/png;base64,"));
        alex = PlayClient.join(server.port, 4, "Alex");
        bo = PlayClient.join(server.port, 4, "Bo");
        alex.drain(500);
        bo.drain(300);
        server.waitFor("[cmds] injected into Bo through org.bukkit.craftbukkit.v1_7_R1.entity.CraftHumanEntity.perm");

        // the plugin's permissible answers every check of the player: its wildcard, the server's
        // own commands, the attachments added after it came in; the rest as before
        String asked = say(bo, "/ask wild.a.b cmds.attached other.node");
        assertTrue(asked, asked.contains("ask wild.a.b: true/true") && asked.contains("ask cmds.attached: true/true")
                && asked.contains("ask other.node: false/false"));
        assertTrue(say(bo, "/bukkit:seed").contains("Seed: 12345"));
        assertTrue(say(alex, "/ask other.node").contains("ask other.node: true/true"));

        // the plugin's /seed wins the label; the server's stays under bukkit:seed
        assertTrue(say(alex, "/seed").contains("the plugin's own seed"));
        assertTrue(say(alex, "/bukkit:seed").contains("Seed: 12345"));
        // experience, by points and levels, reaches the client
        assertTrue(say(alex, "/xp 20").contains("Given 20 experience to Alex"));
        assertTrue(say(alex, "/xp 2L Bo").contains("Given 2 level(s) to Bo"));
        bo.drain(300);
        assertEquals(2, bo.xpLevel);
        assertEquals(1, alex.xpLevel);
        assertEquals(20, alex.xpTotal);
        // a player without the permission is refused; every player may /kill himself
        assertTrue(say(bo, "/xp 5").contains("I'm sorry, but you do not have permission"));
        assertTrue(say(bo, "/difficulty hard").contains("I'm sorry, but you do not have permission"));
        assertTrue(say(bo, "/suicide").contains("Ouch. That look like it hurt."));
        // the selectors: @a runs once for each player, @p is the nearest (the one who typed it)
        String all = say(alex, "/effect @a 1 5");
        assertTrue(all, all.contains("Given SPEED (ID 1) * 0 to Alex for 5 seconds")
                && all.contains("Given SPEED (ID 1) * 0 to Bo for 5 seconds"));
        assertTrue(say(alex, "/clear @p").contains("Cleared the inventory of Alex, removing 0 items"));
        // items by the game's names
        assertTrue(say(alex, "/give Alex minecraft:planks 3 2").contains("Given [5:2] * 3 to Alex"));
        assertTrue(say(alex, "/give Alex nosuchitem").contains("There is no such item with name nosuchitem"));
        assertTrue(say(alex, "/clear Alex planks").contains("Cleared the inventory of Alex, removing 3 items"));
        assertTrue(say(alex, "/effect @a[name=Nobody] 1").contains("That player cannot be found"));
        assertTrue(say(alex, "/tellraw @p {\"text\":\"raw hello\",\"color\":\"gold\"}")
                .contains("{\"text\":\"raw hello\",\"color\":\"gold\"}"));
        assertTrue(say(alex, "/tellraw Alex {broken").contains("There was an error parsing the json"));
        // the world's settings
        assertTrue(say(alex, "/gamerule doDaylightCycle false").contains("Game rule doDaylightCycle has been set to: false"));
        assertTrue(say(alex, "/gamerule nosuchrule").contains("No game rule called nosuchrule is available"));
        assertTrue(say(alex, "/difficulty peaceful").contains("Set difficulty to PEACEFUL"));
        assertTrue(say(alex, "/setworldspawn 3 4 3").contains("Set world world's spawnpoint to (3, 4, 3)"));
        assertTrue(say(alex, "/testfor Bo").contains("/testfor is only usable by commandblocks with analog output."));
        // blocks set by name or id, and players spread over the land
        assertTrue(say(alex, "/setblock ~ ~3 ~ minecraft:stone").contains("Block placed"));
        assertTrue(say(alex, "/setblock ~ ~3 ~ 1").contains("The block couldn't be placed"));
        assertTrue(say(alex, "/setblock ~ 300 ~ stone").contains("Cannot place block outside of the world"));
        assertTrue(say(alex, "/setblock ~ ~3 ~ nosuchblock").contains("There is no such block with name nosuchblock"));
        // the game's block names; /testforblock answers in the game's words
        assertTrue(say(alex, "/setblock ~ ~4 ~ minecraft:planks 2").contains("Block placed"));
        String found = say(alex, "/testforblock ~ ~4 ~ planks 2");
        assertTrue(found, found.contains("Successfully found the block at "));
        String other = say(alex, "/testforblock ~ ~3 ~ stonebrick");
        assertTrue(other, other.matches(".*The block at -?\\d+,\\d+,-?\\d+ is stone \\(expected: stonebrick\\)\\..*"));
        assertTrue(say(alex, "/testforblock ~ ~4 ~ 5 1").contains("had the data value of 2 (expected: 1)."));
        // a name both a block and its item have is the block here
        assertTrue(say(alex, "/setblock ~ ~5 ~ minecraft:cake").contains("Block placed"));
        assertTrue(say(alex, "/testforblock ~ ~5 ~ cake").contains("Successfully found the block at "));
        assertTrue(say(alex, "/testforblock ~ 300 ~ stone").contains("Cannot test for block outside of the world"));
        assertTrue(say(bo, "/testforblock ~ ~ ~ stone").contains("I'm sorry, but you do not have permission"));
        int spreadFrom = alex.chat.size();
        String spread = say(alex, "/spreadplayers 0 0 5 40 false Alex Bo");
        assertTrue(spread, spread.contains("Spreading 2 players"));
        // the land where they go is read or made first: the answer may come later on a busy machine
        alex.until("the spread told", () -> alex.chat.subList(spreadFrom, alex.chat.size()).toString()
                .contains("Successfully spread 2 players"));
        assertTrue(say(alex, "/spreadplayers 0 0 500 1 false Alex Bo")
                .contains("The number you have entered (1.0) is too small, it must be at least 501.0"));
        // the scoreboard: objectives, scores and teams reach the clients
        assertTrue(say(alex, "/scoreboard objectives add kills dummy Kills").contains("Added new objective 'kills' successfully"));
        assertTrue(say(alex, "/scoreboard objectives add kills dummy").contains("An objective with the name 'kills' already exists"));
        assertTrue(say(alex, "/scoreboard objectives add x nosuch").contains("Invalid objective criteria type 'nosuch'"));
        assertTrue(say(alex, "/scoreboard objectives setdisplay sidebar kills")
                .contains("Set the display objective in slot 'sidebar' to 'kills'"));
        assertTrue(say(alex, "/scoreboard players set Bo kills 5").contains("Set score of kills for player Bo to 5"));
        assertTrue(say(alex, "/scoreboard players add Bo kills 2").contains("Set score of kills for player Bo to 7"));
        assertTrue(say(alex, "/scoreboard players list Bo").contains("- Kills: 7 (kills)"));
        assertTrue(say(alex, "/scoreboard teams add red Red Team").contains("Added new team 'red' successfully"));
        assertTrue(say(alex, "/scoreboard teams join red Alex Bo").contains("Added 2 player(s) to team red: Alex, Bo"));
        assertTrue(say(alex, "/scoreboard teams option red color red").contains("Set option color for team red to red"));
        assertTrue(say(alex, "/scoreboard teams list").contains("- red: 'Red Team' has 2 players"));
        assertTrue(say(alex, "/scoreboard teams leave Bo").contains("Removed 1 player(s) from their teams: Bo"));
        assertTrue(say(alex, "/scoreboard teams leave Bo").contains("Could not remove 1 player(s) from their teams: Bo"));
        assertTrue(say(bo, "/scoreboard objectives list").contains("I'm sorry, but you do not have permission"));
        bo.drain(300);
        assertEquals(Integer.valueOf(7), bo.scores.get("Bo@kills"));
        assertEquals("kills", bo.displaySlots.get(1));

        // at quit the plugin puts the server's permissible back, and the player's checks are the server's
        bo.close();
        server.waitFor("[cmds] put back for Bo: wild.false");
        bo = null;

        // the console: save-off and save-on, the address bans
        assertTrue(server.command("save-off").contains("Disabled level saving.."));
        assertTrue(server.command("save-on").contains("Enabled level saving.."));
        assertTrue(server.command("ban-ip 10.9.8.7 flooding").contains("Banned IP Address 10.9.8.7"));
        String ips = new String(Files.readAllBytes(new File(server.dir, "banned-ips.txt").toPath()), "UTF-8");
        assertTrue(ips, ips.contains("10.9.8.7|") && ips.contains("|flooding"));
        assertTrue(server.command("pardon-ip 10.9.8.7").contains("Pardoned ip 10.9.8.7"));
        assertTrue(server.command("kill").contains("You can only perform this command as a player"));
        assertTrue(server.command("gamerule doDaylightCycle").contains("doDaylightCycle = false"));
        assertTrue(server.command("help").contains("/xp <amount> [player]"));
        // the weather and the mobs
        assertTrue(server.command("weather thunder 100").contains("Changed weather to thundering 100 seconds."));
        assertTrue(server.command("toggledownfall").contains("Toggled downfall"));
        assertTrue(server.command("weather").contains("Usage: /weather <clear/rain/thunder> [duration in seconds]"));
        assertTrue(server.command("summon Cow 5 4 5").contains("Object successfully summoned"));
        assertTrue(server.command("summon Ghast").contains("Unable to summon object"));
        assertTrue(server.command("summon Cow 5 400 5").contains("Cannot summon the object out of the world"));
        // a reload disables the plugins, loads and enables them again, and the commands are there again
        int before = server.mark();
        assertTrue(server.command("reload").contains("Reload complete."));
        server.waitFor("[cmds] kill is org.bukkit.command.defaults.KillCommand", before, 10000);
        assertTrue(say(alex, "/seed").contains("the plugin's own seed"));
        assertTrue(say(alex, "/suicide").contains("Ouch. That look like it hurt."));

        // the world keeps the main scoreboard: after a restart its objectives, scores and teams are back
        alex.close();
        alex = null;
        server.send("stop");
        assertEquals(0, server.waitForExit(30000));
        assertTrue(new File(server.dir, "world/data/scoreboard.dat").isFile());
        server.start();
        server.waitReady();
        assertTrue(server.command("scoreboard players list Bo").contains("- Kills: 7 (kills)"));
        assertTrue(server.command("scoreboard teams list").contains("- red: 'Red Team' has 1 players"));
        bo = PlayClient.join(server.port, 4, "Bo");
        bo.drain(500);
        assertEquals(Integer.valueOf(7), bo.scores.get("Bo@kills"));
        assertEquals("kills", bo.displaySlots.get(1));
    }
}
