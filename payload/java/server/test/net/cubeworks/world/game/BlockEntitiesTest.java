package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayInputStream;
import java.io.DataInputStream;
import java.io.File;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;
import java.util.UUID;
import java.util.concurrent.TimeUnit;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.block.Chest;
import org.bukkit.block.Furnace;
import org.bukkit.block.Sign;
import org.bukkit.inventory.ItemStack;
import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.AnvilStore;
import net.cubeworks.world.storage.Worlds;

/** What plugins keep in signs, chests and furnaces stays in the world across a restart and reaches the players. */
public class BlockEntitiesTest {
    private File dir;
    private Game game;

    private World open() throws Exception {
        if (dir == null) {
            dir = Files.createTempDirectory("cwblockentities").toFile();
        }
        game = new Game(Logger.getAnonymousLogger(),
                ServerProperties.parse("view-distance=2\n".getBytes(Charset.forName("UTF-8"))), null,
                TestGames.host(new EventDispatch(Logger.getAnonymousLogger())), new AnvilStore(dir, Logger.getAnonymousLogger()));
        game.world().loadLevel();
        return game.world().api();
    }

    @After
    public void tearDown() {
        if (game != null) {
            game.world().close();
        }
        if (dir != null) {
            Worlds.delete(dir);
        }
    }

    /** Each frame's packet id in hex; an Update Sign as "sign x,y,z line|line|line|line". */
    private static List<String> packets(List<byte[]> frames) throws Exception {
        List<String> out = new ArrayList<String>();
        for (byte[] frame : frames) {
            DataInputStream d = new DataInputStream(new ByteArrayInputStream(frame));
            readVarInt(d);
            int id = readVarInt(d);
            if (id != PlayPackets.UPDATE_SIGN) {
                out.add("0x" + Integer.toHexString(id));
                continue;
            }
            StringBuilder b = new StringBuilder("sign " + d.readInt() + "," + d.readShort() + "," + d.readInt() + " ");
            for (int i = 0; i < 4; i++) {
                byte[] line = new byte[readVarInt(d)];
                d.readFully(line);
                b.append(i > 0 ? "|" : "").append(new String(line, "UTF-8"));
            }
            out.add(b.toString());
        }
        return out;
    }

    private static int readVarInt(DataInputStream d) throws Exception {
        int v = 0;
        for (int shift = 0; ; shift += 7) {
            int b = d.readUnsignedByte();
            v |= (b & 0x7F) << shift;
            if ((b & 0x80) == 0) {
                return v;
            }
        }
    }

    @Test
    public void signTextChestSlotsAndFurnaceTimesSetByAPluginSurviveARestartAndTheSignsFollowTheirColumn()
            throws Exception {
        World api = open();
        synchronized (game.lock()) {
            api.getBlockAt(19, 4, 3).setTypeId(54);
            api.getBlockAt(5, 4, 5).setTypeId(63);
            api.getBlockAt(21, 4, 7).setTypeId(61);
            api.getBlockAt(9, 4, 9).setTypeId(63);
        }
        assertEquals(null, game.world().saveAndWait());
        // from here on only the block entities of the column (1, 0) change: that alone must get it saved
        ((Chest) api.getBlockAt(19, 4, 3).getState()).getInventory().setItem(4, new ItemStack(Material.APPLE, 3));
        Sign sign = (Sign) api.getBlockAt(5, 4, 5).getState();
        sign.setLine(0, "Hello");
        sign.setLine(2, "there");
        assertEquals("not kept before update()", "", ((Sign) api.getBlockAt(5, 4, 5).getState()).getLine(0));
        assertTrue(sign.update());
        ((Furnace) api.getBlockAt(21, 4, 7).getState()).setBurnTime((short) 200);
        synchronized (game.lock()) {
            api.getBlockAt(9, 4, 9).setTypeId(1); // the other sign is gone
        }
        game.world().close();
        game = null;

        api = open();
        OnlinePlayer p = new OnlinePlayer(game.playerGame(), Connections.idle(), "Alex", UUID.randomUUID(), 1, GameMode.CREATIVE);
        p.x = 8.5;
        p.y = 4;
        p.z = 8.5;
        java.util.concurrent.Future<List<byte[]>> sent;
        synchronized (game.lock()) {
            sent = game.world().stream(p);
        }
        List<String> packets = packets(sent.get(10, TimeUnit.SECONDS));
        assertEquals("the sign, after every column's data", "sign 5,4,5 Hello||there|",
                packets.get(packets.size() - 1));
        assertEquals("0x26", packets.get(packets.size() - 2));

        assertEquals(3, ((Chest) api.getBlockAt(19, 4, 3).getState()).getInventory().getItem(4).getAmount());
        assertEquals("Hello", ((Sign) api.getBlockAt(5, 4, 5).getState()).getLine(0));
        assertEquals("there", ((Sign) api.getBlockAt(5, 4, 5).getState()).getLine(2));
        assertEquals(200, ((Furnace) api.getBlockAt(21, 4, 7).getState()).getBurnTime());
    }
}
